#include "journal_answer.h"

namespace lintra::bench {

practice::AnswerRecord JournalAnswer(theory::NoteSlot slot, bool right, std::int64_t utcMs, std::int64_t responseMs,
                                     std::int64_t sessionId) {
  practice::JudgedAnswer answer;
  answer.wallTimeUtcMs = utcMs;
  answer.key = theory::KeyId::Chromatic;
  answer.questionSlot = slot;
  const int midi = theory::SpelledNoteTable().at(slot).midiNote;
  answer.answerMidi = right ? midi : midi + 1;
  answer.correct = right;
  answer.responseMs = responseMs;
  return practice::MakeAnswerRecord(answer, sessionId);
}

}  // namespace lintra::bench
