#include "ui/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "theory/keys.h"
#include "ui/key_menus.h"
#include "ui/window_model.h"

namespace lintra::ui {
namespace {

ControlSpec KeyNamed(std::string_view name) { return KeyControl(Keyboard()[static_cast<std::size_t>(KeyIndex(name))]); }

// The control that receives a click at (x, y): the topmost in creation order.
std::string_view HitTest(int x, int y) {
  WindowModel model;
  std::string_view hit;
  for (const auto name : CreationOrder()) {
    const auto& layout = model.ControlNamed(name).layout;
    if (x >= layout.left && x < layout.left + layout.width && y >= layout.top && y < layout.top + layout.height)
      hit = name;
  }
  return hit;
}

TEST(Layout, KeyboardSpansF1ToB4WithBlackKeysOnTop) {
  ASSERT_EQ(Keyboard().size(), 43u);
  int white = 0;
  for (const auto& key : Keyboard()) {
    const auto layout = KeyControl(key);
    if (!key.black) {
      EXPECT_EQ(layout.left, 32 * white++) << key.name;
      EXPECT_EQ(layout.width, 32);
      EXPECT_EQ(layout.height, 143);
    } else {
      EXPECT_EQ(layout.width, 20);
      EXPECT_EQ(layout.height, 91);
    }
    EXPECT_EQ(layout.top, 269);
  }
  EXPECT_EQ(white, 25);
  EXPECT_EQ(KeyNamed("A4sharp").left + 20, 780);
  EXPECT_EQ(KeyNamed("B4").left + 32, 800);
  EXPECT_EQ(KeyNamed("F1sharp").left, 24);
  EXPECT_EQ(KeyNamed("C3sharp").left, 376);
  EXPECT_EQ(KeyNamed("B4").tabOrder, 50);

  // Black keys take the overlap; below a black key's bottom edge the white key answers.
  EXPECT_EQ(HitTest(30, 300), "F1sharp");
  EXPECT_EQ(HitTest(30, 380), "F1");
  EXPECT_EQ(HitTest(770, 300), "A4sharp");
}

TEST(Layout, CreationOrderHoldsEveryControlOnceAndBlackKeysAfterTheirNeighbours) {
  WindowModel model;
  EXPECT_EQ(model.AllControls().size(), 58u);
  std::set<std::string_view> names(CreationOrder().begin(), CreationOrder().end());
  EXPECT_EQ(names.size(), 58u);
  for (const auto& control : model.AllControls()) EXPECT_TRUE(names.count(control->Name())) << control->Name();

  auto position = [](std::string_view name) {
    return std::find(CreationOrder().begin(), CreationOrder().end(), name) - CreationOrder().begin();
  };
  const auto keys = Keyboard();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (!keys[i].black) continue;
    EXPECT_GT(position(keys[i].name), position(keys[i - 1].name)) << keys[i].name;
    EXPECT_GT(position(keys[i].name), position(keys[i + 1].name)) << keys[i].name;
  }
}

TEST(Layout, MenusAsLaidOut) {
  WindowModel model;
  std::vector<std::string> tops, checked;
  for (const auto& item : model.AllMenus()) {
    if (item->parent == nullptr) tops.push_back(item->caption);
    if (item->checked) checked.emplace_back(item->Name());
  }
  EXPECT_EQ(tops, (std::vector<std::string>{"Mode", "Keys", "Clefs", "Note Names On?", "Syllables?", "Midi", "Advance",
                                            "Progress", "Options", "Microphone", "Reading", "Help"}));
  EXPECT_EQ(checked, (std::vector<std::string>{"NotationQuestions", "Flats1", "MajorKeys1", "CMajor1", "ClavedoSol1",
                                               "NoteNamesOff", "Letters", "MidiInOn", "SustainOn1", "AutoAdvance2",
                                               "On1", "AutoModOff", "LineOf4", "LeapFifth"}));
  EXPECT_EQ(model.M(ui::menu::Flats1).parent, &model.M(ui::menu::PlayKeyboard));
  EXPECT_EQ(model.M(ui::menu::AutoModOn).parent, &model.M(ui::menu::AutoModulate2));
  EXPECT_EQ(model.M(ui::menu::AutoModOn).caption, model.M(ui::menu::On1).caption);
  EXPECT_EQ(model.M(ui::menu::About1).caption, "&About");
  EXPECT_EQ(model.M(ui::menu::AllNotesOff1).layout.handler, "Desligados1Click");
  // The Progress menu's options are on/off items of their own, all off at start.
  for (const char* name : {"PractiseWeakNotes", "ShowTimeAndMistake", "ResumeWhereILeftOff"}) {
    EXPECT_TRUE(model.MenuNamed(name).layout.toggle) << name;
    EXPECT_EQ(model.MenuNamed(name).parent, &model.M(ui::menu::Progress1)) << name;
  }
}

TEST(Layout, EachKeyHasOneItemUnderItsScaleNamedAfterItsCaption) {
  WindowModel model;
  std::set<std::string_view> items;
  for (std::size_t i = 0; i < theory::kKeyIdCount; ++i) {
    const auto key = static_cast<theory::KeyId>(i);
    const MenuItem& item = model.M(KeyMenu(key));
    SCOPED_TRACE(std::string(item.Name()));
    items.insert(item.Name());
    EXPECT_EQ(KeyOfMenu(item.Name()), key);
    EXPECT_EQ(KeyCaption(key), item.caption);
    const theory::KeyInfo* info = theory::FindKey(key);
    if (info == nullptr) {
      EXPECT_EQ(item.parent, &model.M(menu::Keys));
      continue;
    }
    EXPECT_EQ(item.parent, &model.M(info->minor ? menu::MinorKeys1 : menu::MajorKeys1));
    // Items are named after the caption, save the lower-case "abMajor1"; handlers after the item.
    std::string handler(item.Name().substr(0, item.Name().size() - 1));
    handler[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(handler[0])));
    EXPECT_EQ(handler + "Click", item.layout.handler);
    std::string caption = item.caption;
    if (info->minor) caption.insert(caption.size() - 5, "Harmonic ");
    EXPECT_TRUE(info->instruction.starts_with("Play scale-steps of " + caption)) << info->instruction;
  }
  EXPECT_EQ(items.size(), theory::kKeyIdCount);
  EXPECT_FALSE(KeyOfMenu("Keys"));
  EXPECT_FALSE(KeyOfMenu("cmajor1"));
}

TEST(Layout, HiddenStoresStartAsLaidOut) {
  WindowModel model;
  const auto& pool = model.C(ui::control::KeyList).lines;
  ASSERT_EQ(pool.size(), 24u);
  for (std::size_t i = 0; i < pool.size(); ++i) EXPECT_EQ(pool[i], std::to_string(3 * i));
  EXPECT_EQ(model.C(ui::control::Memo1).lines, std::vector<std::string>(6));
  for (const char* hidden : {"Label1", "Label3", "cmbInput", "cmbOutput", "KeyList", "Memo1", "StatusLine"}) {
    EXPECT_FALSE(model.ControlNamed(hidden).visible) << hidden;
  }
  EXPECT_FALSE(model.C(ui::control::cmbInput).enabled);
  EXPECT_FALSE(model.C(ui::control::cmbOutput).enabled);
}

}  // namespace
}  // namespace lintra::ui
