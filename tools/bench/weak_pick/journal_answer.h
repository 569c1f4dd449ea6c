// A simulated first try as the trainer journals it: a note of the chromatic scale, answered on
// screen, a wrong answer a semitone above.
#pragma once

#include <cstdint>

#include "practice/answer_record.h"

namespace lintra::bench {

practice::AnswerRecord JournalAnswer(theory::NoteSlot slot, bool right, std::int64_t utcMs, std::int64_t responseMs,
                                     std::int64_t sessionId);

}  // namespace lintra::bench
