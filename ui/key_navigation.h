// Moving among the 43 piano keys from the computer's keyboard, as a pianist expects: the arrows go
// to the next key up or down, black keys included, so that every answer is one key press away from
// its neighbours as on a piano; up and down go an octave; a letter finds the next white key of
// that name.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace lintra::ui {

enum class KeyStep {
  Lower,         // a semitone down: the key to the left
  Higher,        // a semitone up: the key to the right
  OctaveLower,   // the same key an octave down
  OctaveHigher,  // the same key an octave up
  Lowest,        // F1
  Highest,       // B4
};

// The key (a chromatic index of Keyboard()) that `step` reaches from key `from`; where the step
// would leave the keyboard, `from` itself.
int KeyAfter(int from, KeyStep step);

// The next white key after `from` whose name begins with `letter` (either case), going up and
// starting again from the lowest key; `names` are the 43 keys' names as the student hears them, in
// letters or syllables. None when no white key's name begins so.
std::optional<int> NextKeyNamed(int from, char letter, std::span<const std::string> names);

}  // namespace lintra::ui
