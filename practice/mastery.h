// How well a note is read, as the Progress window shows it: a state and a figure, both from the
// model of the student's reading that the weak-note pick draws from (reading_model.h).
#pragma once

#include <string_view>

namespace lintra::practice {

enum class MasteryState { New, Learning, Fluent };
std::string_view Caption(MasteryState state);  // "new", "learning", "fluent"

// A note is new until it has had this many first tries in the key.
inline constexpr int kNewBelowFirstTries = 3;

struct Mastery {
  int firstTries = 0;  // in the key
  MasteryState state = MasteryState::New;
  // How sure the model is, in per cent, that the note is read fluently now; 0 with no first try.
  double figure = 0.0;
};

}  // namespace lintra::practice
