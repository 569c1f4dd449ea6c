#include "ui/window_model.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace lintra::ui {
namespace {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  std::size_t start = 0;
  for (;;) {
    const auto end = text.find('\n', start);
    lines.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return lines;
}

bool LessNoCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

WindowModel::WindowModel() {
  auto add = [this](const ControlSpec& layout) {
    auto control = std::make_unique<Control>();
    control->layout = layout;
    if (layout.kind == ControlKind::DataList) {
      control->lines = SplitLines(layout.caption);
    } else {
      control->text = std::string(layout.caption);
    }
    control->visible = layout.visible;
    control->enabled = layout.enabled;
    controls_.push_back(std::move(control));
    return controls_.back().get();
  };
  for (const auto& layout : Controls()) add(layout);
  for (const auto& key : Keyboard()) keys_.push_back(add(KeyControl(key)));

  MenuItem* lastAtLevel[4] = {nullptr, nullptr, nullptr, nullptr};
  for (const auto& layout : Menus()) {
    auto item = std::make_unique<MenuItem>();
    item->layout = layout;
    item->caption = std::string(layout.caption);
    item->checked = layout.checked;
    item->parent = layout.level > 1 ? lastAtLevel[layout.level - 1] : nullptr;
    if (item->parent != nullptr) item->parent->children.push_back(item.get());
    lastAtLevel[layout.level] = item.get();
    menus_.push_back(std::move(item));
  }
}

Control* WindowModel::FindControl(std::string_view name) {
  for (auto& control : controls_) {
    if (control->Name() == name) return control.get();
  }
  return nullptr;
}

MenuItem* WindowModel::FindMenu(std::string_view name) {
  for (auto& item : menus_) {
    if (item->Name() == name) return item.get();
  }
  return nullptr;
}

Control& WindowModel::ControlNamed(std::string_view name) {
  if (auto* control = FindControl(name)) return *control;
  throw std::out_of_range("no control " + std::string(name));
}

MenuItem& WindowModel::MenuNamed(std::string_view name) {
  if (auto* item = FindMenu(name)) return *item;
  throw std::out_of_range("no menu item " + std::string(name));
}

void WindowModel::SetText(Control& control, std::string text) {
  if (control.text == text) return;
  control.text = std::move(text);
  ControlChanged(control);
}

void WindowModel::SetLines(Control& control, std::vector<std::string> lines) {
  control.lines = std::move(lines);
  ControlChanged(control);
}

void WindowModel::SetVisible(Control& control, bool visible) {
  if (control.visible == visible) return;
  control.visible = visible;
  ControlChanged(control);
}

void WindowModel::SetEnabled(Control& control, bool enabled) {
  if (control.enabled == enabled) return;
  control.enabled = enabled;
  ControlChanged(control);
}

void WindowModel::ComboClear(Control& combo) {
  combo.items.clear();
  combo.itemIndex = -1;
  combo.text.clear();
  ControlChanged(combo);
}

void WindowModel::ComboAdd(Control& combo, std::string item) {
  // Equal names keep their order of arrival.
  auto at = std::upper_bound(combo.items.begin(), combo.items.end(), item, LessNoCase);
  const int position = static_cast<int>(at - combo.items.begin());
  combo.items.insert(at, std::move(item));
  if (combo.itemIndex >= position) ++combo.itemIndex;
  ControlChanged(combo);
}

void WindowModel::ComboSetIndex(Control& combo, int index) {
  if (index >= 0 && index < static_cast<int>(combo.items.size())) {
    combo.itemIndex = index;
    combo.text = combo.items[static_cast<std::size_t>(index)];
  } else {
    combo.itemIndex = -1;
    combo.text.clear();
  }
  ControlChanged(combo);
}

void WindowModel::SetChecked(MenuItem& item, bool checked) {
  if (item.checked == checked) return;
  item.checked = checked;
  MenuChanged(item);
  if (!checked || !item.layout.radio) return;
  const auto siblings = [&]() -> std::vector<MenuItem*> {
    if (item.parent != nullptr) return item.parent->children;
    std::vector<MenuItem*> tops;
    for (auto& other : menus_) {
      if (other->parent == nullptr) tops.push_back(other.get());
    }
    return tops;
  }();
  for (auto* sibling : siblings) {
    if (sibling != &item && sibling->layout.radio && sibling->checked) {
      sibling->checked = false;
      MenuChanged(*sibling);
    }
  }
}

void WindowModel::SetCaption(MenuItem& item, std::string caption) {
  if (item.caption == caption) return;
  item.caption = std::move(caption);
  MenuChanged(item);
}

void WindowModel::SetEnabled(MenuItem& item, bool enabled) {
  if (item.enabled == enabled) return;
  item.enabled = enabled;
  MenuChanged(item);
}

void WindowModel::ClickFromCode(MenuItem& item) {
  if (item.enabled && item.handler) item.handler();
}

MenuItem* WindowModel::FirstChecked(std::initializer_list<MenuName> names) {
  for (auto name : names) {
    auto& item = M(name);
    if (item.checked) return &item;
  }
  return nullptr;
}

}  // namespace lintra::ui
