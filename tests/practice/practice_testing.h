// What the practice tests build their answers from.
#pragma once

#include <cstdint>
#include <string_view>

#include "practice/answer_record.h"
#include "theory/keys.h"
#include "theory/note_table.h"

namespace lintra::practice::fixtures {

inline JudgedAnswer Input(theory::KeyId key, theory::NoteSlot slot, int answerMidi, std::int64_t ms = 1000,
                          int attempt = 1) {
  JudgedAnswer input;
  input.key = key;
  input.questionSlot = slot;
  input.answerMidi = answerMidi;
  input.correct = answerMidi == theory::SpelledNoteTable().at(slot).midiNote;
  input.responseMs = ms;
  input.attempt = attempt;
  return input;
}

inline theory::NoteSlot Slot(const char* name) { return *theory::FindByLetterName(name); }

}  // namespace lintra::practice::fixtures
