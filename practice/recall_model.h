// How well the student recalls each note of a key now, from every first try's verdict, response
// time and clock time.
//
// A note's recall has two parts. What the student can work out with nothing remembered (counting
// lines, say) is the note's floor; above it lies what memory holds, and memory fades with the
// clock: the share still held falls by e^(-hours / stability). Every question on a note closes part
// of the gap to full memory, right or wrong (a wrong answer is shown the right key). A note
// recalled after it had faded becomes more stable the more it had faded (the spacing effect);
// a miss makes it less stable. How fast this student learns, how stable a note is at first, how
// much spacing strengthens it and how much a miss costs are not assumed: a range of such students
// is weighed by how well each explains all the answers to all the notes, and every note's floor by
// its own answers and by where the pool's other notes stand, the pool's two lowest and two highest
// notes (those on ledger lines) apart from the rest. A right answer slower than two seconds counts
// as half a miss: fluency is reading at sight, not working out.
//
// The clock may be wrong: a time earlier than the note's last answer counts as no time passed, and
// nothing is kept that a clock set back or jumping could make wrong later.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "practice/first_try.h"
#include "practice/mastery.h"
#include "theory/note_table.h"

namespace lintra::practice {

inline constexpr double kFluentRecall = 0.9;  // a note read right nine times in ten is fluent
inline constexpr double kSlowAnswerMs = 2000.0;

// One student as the model weighs them.
struct LearnerRates {
  double learn = 0.0;                // share of the gap to full memory one question closes
  double firstStabilityHours = 0.0;  // of a note never asked
  double growth = 0.0;               // stability x (1 + growth x share faded) on a right answer
  double lapse = 0.0;                // stability x lapse on a miss
};

// A note under the likeliest student: what a forecast plays forward.
struct NoteRecall {
  double floor = 0.0;  // expected recall with nothing held in memory
  double held = 0.0;   // share of the note held in memory now
  double stabilityHours = 0.0;
  double Recall() const { return floor + (1.0 - floor) * held; }
};

class RecallModel {
 public:
  RecallModel();
  ~RecallModel();
  RecallModel(const RecallModel&) = delete;
  RecallModel& operator=(const RecallModel&) = delete;

  // First tries in the order they were answered.
  void Observe(const FirstTry& answer);
  // The notes judged together: the pool's edges are learnt apart. Grows with every note met.
  void MeetPool(std::span<const theory::NoteSlot> pool);

  int Answers(theory::NoteSlot slot) const;
  std::int64_t Answers() const { return answers_; }
  // Spells of practice: an answer more than three hours after the one before begins a new one.
  int Sittings() const { return sittings_; }

  // The expected recall of `slot` at `nowUtcMs`, faded since its last answer.
  double RecallNow(theory::NoteSlot slot, std::int64_t nowUtcMs) const;
  // The chance that its recall is below fluent then.
  double NotFluentChance(theory::NoteSlot slot, std::int64_t nowUtcMs) const;
  // The questions on `slot` it may take to lift its recall to `target`, judged by the recall it has
  // at least with chance `confidence`; below zero for a note above the target by that many.
  double QuestionsTo(double target, theory::NoteSlot slot, std::int64_t nowUtcMs, double confidence) const;
  std::vector<double> QuestionsTo(double target, std::span<const theory::NoteSlot> slots, std::int64_t nowUtcMs,
                                  double confidence) const;
  // New below three first tries; then fluent while its recall now is more likely fluent than not.
  MasteryState StateNow(theory::NoteSlot slot, std::int64_t nowUtcMs) const;

  LearnerRates Likeliest() const;
  NoteRecall NoteNow(theory::NoteSlot slot, std::int64_t nowUtcMs) const;

 private:
  struct Model;
  std::unique_ptr<Model> model_;
  std::int64_t answers_ = 0;
  int sittings_ = 0;
  std::int64_t lastAnswerMs_ = 0;
};

}  // namespace lintra::practice
