#include "ui/handlers.h"

#include <stdexcept>

namespace lintra::ui {

void Handlers::Add(std::string_view name, std::function<void()> handler) {
  if (!handlers_.emplace(std::string(name), std::move(handler)).second) {
    throw std::logic_error("Two handlers are named " + std::string(name));
  }
}

std::vector<std::string> Handlers::BindTo(WindowModel& model) const {
  std::vector<std::string> unbound;
  auto bind = [&](std::string_view name, std::function<void()>& slot) {
    if (name.empty()) return;
    if (const auto it = handlers_.find(name); it != handlers_.end()) {
      slot = it->second;
    } else {
      unbound.emplace_back(name);
    }
  };
  for (const auto& control : model.AllControls()) bind(control->layout.handler, control->handler);
  for (const auto& item : model.AllMenus()) bind(item->layout.handler, item->handler);
  return unbound;
}

}  // namespace lintra::ui
