// The question pick of "Practise Weak Notes": the same candidates as the plain pick, drawn with the
// same generator, but weighted towards the notes the student is likely to miss now.
//
// Each note is judged by the recall model (recall_model.h) at the moment of the pick, and with
// caution: by the questions it may still need if its recall is as low as its answers plausibly
// allow. The pick stays close to asking the note that may need the most: students finish a pool
// soonest when its notes rise together, and it is the last note to become fluent that sets when
// they finish. Since recall fades with the clock, the notes that fell below fluent since the last
// session are the ones asked first in the next. A note that looks fluent keeps a small weight.
//
// The caller seeds the generator from the clock before each pick, as the plain pick is seeded.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "practice/first_try.h"
#include "practice/recall_model.h"
#include "theory/note_table.h"
#include "theory/random.h"

namespace lintra::practice {

struct WeakPickTuning {
  double fluentRecall = 0.93;  // the recall aimed at: a little above fluent, so that it holds
  double confidence = 0.95;    // a note is judged by the recall it has at least with this chance
  double sharpness = 3.0;      // weight = e ^ -(sharpness x questions fewer than the neediest may need)
  double floor = 0.05;         // a candidate's weight falls below this share of the neediest one's
                               // only as far as its own need is below the neediest's, to a tenth
};

class WeakNotePick {
 public:
  explicit WeakNotePick(WeakPickTuning tuning = {});

  // A first try at a question, in the order the questions were asked.
  void Observe(const FirstTry& answer) { recall_.Observe(answer); }

  // The notes the questions are drawn from, when known before the first pick (a journal read at
  // the start): the pool's lowest and highest notes are judged apart. Picks learn it too.
  void MeetPool(std::span<const theory::NoteSlot> pool) { recall_.MeetPool(pool); }

  // One draw of `random` (a single Below) among `candidates`, judged at `nowUtcMs`; the candidates
  // must not be empty.
  theory::NoteSlot Pick(theory::Random& random, std::span<const theory::NoteSlot> candidates, std::int64_t nowUtcMs);
  // The weights Pick draws with, one per candidate (at most a million each).
  std::vector<std::uint32_t> Weights(std::span<const theory::NoteSlot> candidates, std::int64_t nowUtcMs);

  const RecallModel& Recall() const { return recall_; }

 private:
  WeakPickTuning tuning_;
  RecallModel recall_;
};

// The slots the plain question pick can ask next: the pool's slots in the clef's range (every slot
// below 70 for the chromatic scale), never `currentSlot` itself, and the slot three above it where
// the plain pick's repeat rule reaches it. `poolLines` are the texts of the question pool's lines.
std::vector<theory::NoteSlot> QuestionCandidates(std::span<const std::string> poolLines, bool chromatic, int trebleClef,
                                                 int pickRange, int currentSlot);

}  // namespace lintra::practice
