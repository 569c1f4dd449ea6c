// A first try at reading a note, as the recall model weighs it: what the trainer saw of the answer.
#pragma once

#include <cstdint>

#include "theory/note_table.h"

namespace lintra::practice {

struct FirstTry {
  theory::NoteSlot slot = 0;
  bool right = false;
  std::int64_t responseMs = 0;
  std::int64_t utcMs = 0;  // the wall clock when it was answered, milliseconds since 1970-01-01 UTC
};

}  // namespace lintra::practice
