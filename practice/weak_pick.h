// The question pick of "Practise Weak Notes": the same candidates as the plain pick, drawn with the
// same generator, but weighted towards the notes the student is likely to miss.
//
// What it knows of a note is only what the trainer sees: whether each first try was right and how
// long it took. It models a student as most teachers would: each note starts at a recall of its
// own, every question on it closes part of the gap to perfect recall, and a note left alone fades
// back towards where it started. How fast a student learns and forgets is not assumed but
// weighed from all the answers to all the notes; how hard each note is, from its own answers and
// from where the pool's other notes started, the pool's two lowest and two highest notes (those on
// ledger lines, which students find harder) apart from the rest.
// Each note is judged under the likeliest rates of learning and forgetting, and with caution: by
// the questions it may still need if its recall is as low as its answers plausibly allow. The
// pick stays close to asking the note that may need the most: students finish a pool soonest when
// its notes rise together, and it is the last note to become fluent that sets when they finish.
// A note that looks fluent keeps a small weight, and as questions pass its judged recall fades
// with the forgetting weighed, so it is asked again before it is lost.
//
// The caller seeds the generator from the clock before each pick, as the plain pick is seeded.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "theory/note_table.h"
#include "theory/random.h"

namespace lintra::practice {

struct WeakPickTuning {
  double fluentRecall = 0.93;  // the recall aimed at: a little above fluent, so that it holds
  double slowMs = 2000.0;      // a right answer slower than this counts half as a miss
  double confidence = 0.95;    // a note is judged by the recall it has at least with this chance
  double sharpness = 3.0;      // weight = e ^ -(sharpness x questions fewer than the neediest may need)
  double floor = 0.05;         // a candidate's weight falls below this share of the neediest one's
                               // only as far as its own need is below the neediest's, to a tenth
};

class WeakNotePick {
 public:
  explicit WeakNotePick(WeakPickTuning tuning = {});
  ~WeakNotePick();
  WeakNotePick(const WeakNotePick&) = delete;
  WeakNotePick& operator=(const WeakNotePick&) = delete;

  // A first try at a question on `slot`, in the order the questions were asked.
  void Observe(theory::NoteSlot slot, bool right, std::int64_t responseMs);

  // The chance, as the answers so far tell it, that the recall of `slot` is below fluent now.
  double NotFluentChance(theory::NoteSlot slot) const;
  // The questions on `slot` it may take, at the tuning's confidence, to make it fluent; below zero
  // for a note that is fluent by that many questions.
  double QuestionsToFluent(theory::NoteSlot slot) const;

  // The pool is learnt from the candidates met, or from the pool shown here.
  void MeetPool(std::span<const theory::NoteSlot> pool);

  // One draw of `random` (a single Below) among `candidates`; the candidates must not be empty.
  theory::NoteSlot Pick(theory::Random& random, std::span<const theory::NoteSlot> candidates);

  // The weights Pick draws with, one per candidate (at most a million each), for draws of several
  // notes at once such as a line; the pool is learnt from them as Pick learns it.
  std::vector<std::uint32_t> Weights(std::span<const theory::NoteSlot> candidates);

  std::int64_t Questions() const { return questions_; }

 private:
  struct Model;
  std::size_t LikeliestLearner() const;
  double Judge(theory::NoteSlot slot, std::size_t learner, bool remaining) const;

  WeakPickTuning tuning_;
  std::unique_ptr<Model> model_;
  std::int64_t questions_ = 0;
};

// The slots the plain question pick can ask next: the pool's slots in the clef's range (every slot
// below 70 for the chromatic scale), never `currentSlot` itself, and the slot three above it where
// the plain pick's repeat rule reaches it. `poolLines` are the texts of the question pool's lines.
std::vector<theory::NoteSlot> QuestionCandidates(std::span<const std::string> poolLines, bool chromatic, int trebleClef,
                                                 int pickRange, int currentSlot);

}  // namespace lintra::practice
