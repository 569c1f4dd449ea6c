// The window's handlers under the names the layout gives them. The window's logic and the practice
// features each add their own; binding then gives every control and menu item the handler its
// layout names, and says which names nothing answers.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/window_model.h"

namespace lintra::ui {

class Handlers {
 public:
  // A name may be added once: a second handler for it is a fault of the program (std::logic_error).
  void Add(std::string_view name, std::function<void()> handler);
  // Binds every control and menu item whose layout names a handler. The names no handler was
  // added for are returned, in layout order; their controls and items stay unbound.
  std::vector<std::string> BindTo(WindowModel& model) const;

 private:
  std::map<std::string, std::function<void()>, std::less<>> handlers_;
};

}  // namespace lintra::ui
