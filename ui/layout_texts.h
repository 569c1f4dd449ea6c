// The texts of the layout's tables as the student reads them. The tables stay plain data; their
// captions are marked for the catalogs here, under a context of their own, and translated where
// they are shown.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "ui/layout.h"

namespace lintra::ui {

// Menu captions, including those the window gives its menus while it runs ("Letters?").
inline constexpr std::string_view kMenuContext = "Menu";
// The window's caption and the captions of its controls.
inline constexpr std::string_view kWindowContext = "MainWindow";

// Every caption of Menus() but the separators, once each.
std::span<const std::string_view> MarkedMenuCaptions();
// Every caption of Controls() a student reads, and kWindowCaption.
std::span<const std::string_view> MarkedWindowTexts();

// The caption in the student's language; a separator stays one.
std::string MenuCaption(const MenuSpec& item);
std::string ControlCaption(const ControlSpec& control);

}  // namespace lintra::ui
