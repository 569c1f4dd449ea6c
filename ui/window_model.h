// A toolkit-free model of the main window, built from the layout tables.
// The window's logic reads and writes controls and menu items by name here;
// the Qt front end mirrors the model into real widgets and back.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/layout.h"

namespace lintra::ui {

struct Control {
  ControlSpec layout;
  std::string text;                // field text, label/button/key caption, combo edit text
  std::vector<std::string> lines;  // data lists
  std::vector<std::string> items;  // drop-down lists, kept sorted
  int itemIndex = -1;
  bool visible = true;
  bool enabled = true;
  std::function<void()> handler;  // click or change

  const std::string_view Name() const { return layout.name; }
  ControlKind Kind() const { return layout.kind; }
};

struct MenuItem {
  MenuSpec layout;
  std::string caption;
  bool checked = false;
  bool enabled = true;
  MenuItem* parent = nullptr;  // null for the top-level menus
  std::vector<MenuItem*> children;
  std::function<void()> handler;

  const std::string_view Name() const { return layout.name; }
  bool OpensSubmenu() const { return !children.empty(); }
};

class WindowModel {
 public:
  WindowModel();
  WindowModel(const WindowModel&) = delete;
  WindowModel& operator=(const WindowModel&) = delete;

  Control* FindControl(std::string_view name);
  MenuItem* FindMenu(std::string_view name);
  Control& C(ControlName name) { return ControlNamed(name); }
  MenuItem& M(MenuName name) { return MenuNamed(name); }
  // For names known only at run time (scripts, tables); throw std::out_of_range for an unknown name.
  Control& ControlNamed(std::string_view name);
  MenuItem& MenuNamed(std::string_view name);

  // Layout order: the controls of the tables, then the 43 keys.
  const std::vector<std::unique_ptr<Control>>& AllControls() const { return controls_; }
  // Depth first, in display order.
  const std::vector<std::unique_ptr<MenuItem>>& AllMenus() const { return menus_; }
  Control& Key(int chromaticIndex) { return *keys_.at(static_cast<std::size_t>(chromaticIndex)); }

  // Changes that the front end mirrors.
  void SetText(Control& control, std::string text);
  void SetLines(Control& control, std::vector<std::string> lines);
  void SetVisible(Control& control, bool visible);
  void SetEnabled(Control& control, bool enabled);
  void ComboClear(Control& combo);
  void ComboAdd(Control& combo, std::string item);  // sorted insert, case-insensitive
  // Chooses item `index`; outside the list: no choice and empty text.
  void ComboSetIndex(Control& combo, int index);

  // Radio rule: checking a radio item clears every other radio item of the
  // same parent; setting the value it already has does nothing; clearing
  // touches no sibling.
  void SetChecked(MenuItem& item, bool checked);
  void SetCaption(MenuItem& item, std::string caption);
  void SetEnabled(MenuItem& item, bool enabled);

  // A click invoked from code runs the handler only when the item itself is
  // enabled; its parents do not matter.
  void ClickFromCode(MenuItem& item);
  void ClickFromCode(MenuName menuName) { ClickFromCode(M(menuName)); }

  // The check of the first checked item among `names`, or nullptr.
  MenuItem* FirstChecked(std::initializer_list<MenuName> names);

  // Said to the student through assistive technology as it comes, whether or not any text changed:
  // a second "Try again!" is said as well as the first.
  void Announce(const std::string& text) {
    if (OnAnnounce) OnAnnounce(text);
  }

  std::function<void(const Control&)> OnControlChanged;
  std::function<void(const MenuItem&)> OnMenuChanged;
  std::function<void(const std::string&)> OnAnnounce;

 private:
  void ControlChanged(const Control& control) {
    if (OnControlChanged) OnControlChanged(control);
  }
  void MenuChanged(const MenuItem& item) {
    if (OnMenuChanged) OnMenuChanged(item);
  }
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<Control*> keys_;
  std::vector<std::unique_ptr<MenuItem>> menus_;
};

}  // namespace lintra::ui
