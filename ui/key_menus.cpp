#include "ui/key_menus.h"

#include <array>
#include <stdexcept>
#include <utility>

#include "ui/layout.h"

namespace lintra::ui {
namespace {

using theory::KeyId;

constexpr std::array<std::pair<KeyId, MenuName>, theory::kKeyIdCount> kKeyMenus{{
    {KeyId::CMajor, menu::CMajor1},           {KeyId::GMajor, menu::GMajor1},
    {KeyId::DMajor, menu::DMajor1},           {KeyId::AMajor, menu::AMajor1},
    {KeyId::EMajor, menu::EMajor1},           {KeyId::BMajor, menu::BMajor1},
    {KeyId::FSharpMajor, menu::FsharpMajor1}, {KeyId::FMajor, menu::FMajor1},
    {KeyId::BFlatMajor, menu::BbMajor1},      {KeyId::EFlatMajor, menu::EbMajor1},
    {KeyId::AFlatMajor, menu::abMajor1},      {KeyId::DFlatMajor, menu::DbMajor1},
    {KeyId::GFlatMajor, menu::GbMajor1},      {KeyId::AMinor, menu::AMinor1},
    {KeyId::EMinor, menu::EMinor1},           {KeyId::BMinor, menu::BMinor1},
    {KeyId::FSharpMinor, menu::FsharpMinor1}, {KeyId::CSharpMinor, menu::CsharpMinor1},
    {KeyId::DMinor, menu::DMinor1},           {KeyId::GMinor, menu::GMinor1},
    {KeyId::CMinor, menu::CMinor1},           {KeyId::FMinor, menu::FMinor1},
    {KeyId::BFlatMinor, menu::BbMinor1},      {KeyId::EFlatMinor, menu::EbMinor1},
    {KeyId::Chromatic, menu::ChromaticScale},
}};

}  // namespace

MenuName KeyMenu(theory::KeyId key) {
  for (const auto& [row, menu] : kKeyMenus) {
    if (row == key) return menu;
  }
  throw std::out_of_range("No menu item names this key");
}

std::string_view KeyCaption(theory::KeyId key) {
  const MenuName item = KeyMenu(key);
  for (const MenuSpec& row : Menus()) {
    if (row.name == item.text) return row.caption;
  }
  return item.text;
}

std::optional<theory::KeyId> KeyOfMenu(std::string_view item) {
  for (const auto& [key, menu] : kKeyMenus) {
    if (menu.text == item) return key;
  }
  return std::nullopt;
}

}  // namespace lintra::ui
