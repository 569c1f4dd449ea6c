#include "practice/mastery.h"

namespace lintra::practice {

std::string_view Caption(MasteryState state) {
  switch (state) {
    case MasteryState::New:
      return "new";
    case MasteryState::Learning:
      return "learning";
    case MasteryState::Fluent:
      return "fluent";
  }
  return "new";
}

}  // namespace lintra::practice
