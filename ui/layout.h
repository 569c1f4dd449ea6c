// The main window as data: every control, the keyboard, the menu tree and the
// timers.  The window model and the Qt front end are both built from these
// tables, so the layout is written exactly once.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/layout_names.h"

namespace lintra::ui {

using Colour = std::uint32_t;  // low byte red, then green, then blue
inline constexpr Colour clBlack = 0x000000, clWhite = 0xFFFFFF, clSilver = 0xC0C0C0, clGray = 0x808080,
                        clGreen = 0x008000, clLime = 0x00FF00, clYellow = 0x00FFFF, clNone = 0x1FFFFFFF,
                        clBtnHighlight = 0x80000014, clBtnShadow = 0x80000010;

enum class ControlKind {
  TextField,  // single-line read-only field
  RichText,   // right-aligned read-only field
  Label,
  ComboEdit,  // drop-down list with an edit field
  ComboPick,  // drop-down list, pick only
  DataList,   // hidden multi-line list used as a store
  PaintBox,
  Button,      // gradient command button
  Key,         // gradient piano key
  StatusLine,  // a line of text under the window, shown only while an option asks for it
};

enum class GradientStyle { Horizontal, Vertical, Elliptic, Rectangle, VertCenter, HorizCenter };

struct FontSpec {
  std::string_view family;
  int pixels;  // character height at 96 pixels per inch
  bool bold;
  Colour colour;
};

struct ControlSpec {
  std::string_view name;
  ControlKind kind;
  int left, top, width, height;
  FontSpec font;
  std::string_view caption;  // caption or starting text; DataList: lines joined by '\n'
  bool visible;
  bool enabled;
  int tabOrder;              // -1: not a tab stop
  std::string_view handler;  // click or change handler, empty for none
  // Gradient buttons only.
  Colour beginColour = 0, endColour = 0;
  GradientStyle gradient = GradientStyle::VertCenter;
  bool swapColours = true;
  Colour btnHilite = clBtnHighlight;
};

struct KeySpec {
  std::string_view name;
  std::string_view handler;
  int letterStep;  // F1 = 0, G1 = 1, ... B4 = 24: the white key's slot is 3 x step
  bool black;      // a black key is the sharp of its step (slot 3 x step + 1)
};

// An item whose caption is kMenuSeparator draws a dividing line and has no handler.
inline constexpr std::string_view kMenuSeparator = "-";

struct MenuSpec {
  int level;  // 1 top-level menu, 2 its item, 3 a submenu's item
  std::string_view name;
  std::string_view caption;
  bool radio;
  bool checked;
  std::string_view handler;
  bool toggle = false;  // an on/off item of its own, checked by its handler
};

struct TimerSpec {
  std::string_view name;
  int interval;
  std::string_view handler;
};

inline constexpr int kDesignClientWidth = 803;
inline constexpr int kDesignClientHeight = 420;
inline constexpr std::string_view kWindowCaption = "Qor Lintra Trainer";
inline constexpr std::string_view kApplicationTitle = "Grafel";
inline constexpr Colour kWindowColour = clSilver;
inline constexpr FontSpec kWindowFont{"Arial", 13, false, clBlack};

std::span<const ControlSpec> Controls();            // every control but the keys, in layout order
std::span<const KeySpec> Keyboard();                // the 43 keys, F1 to B4 in chromatic order
ControlSpec KeyControl(const KeySpec& key);         // the key as a control (place, size, colours)
std::span<const std::string_view> CreationOrder();  // 58 names, later ones on top
std::span<const MenuSpec> Menus();                  // depth first, in display order
std::span<const TimerSpec> Timers();

// Chromatic position 0..42 of a key, or -1.
int KeyIndex(std::string_view name);
inline constexpr int kLowestKeyNote = 41;

}  // namespace lintra::ui
