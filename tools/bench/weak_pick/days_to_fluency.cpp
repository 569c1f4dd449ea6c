#include "days_to_fluency.h"

#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "journal/journal_writer.h"
#include "journal_answer.h"
#include "theory/random.h"

namespace lintra::bench {
namespace {

constexpr std::int64_t kDayMs = 86'400'000;
constexpr std::int64_t kQuestionEveryMs = 4'000;
constexpr std::int64_t kFirstDayUtcMs = 1'767'225'600'000;  // 2026-01-01

void RemoveJournal(const std::filesystem::path& file) {
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(file.string() + suffix);
}

// One session: the pick is what the trainer has at its start, rebuilt from the journal.
class Session {
 public:
  Session(const DaysSetting& setting, bool weak) {
    if (!weak) return;
    journal_ = std::make_unique<journal::JournalWriter>(std::make_unique<journal::Journal>(setting.journalFile));
    pick_.emplace(setting.tuning);
    const auto tries =
        journal_->Read([](const journal::JournalReader& read) { return read.FirstTries(theory::KeyId::Chromatic); });
    for (const auto& answer : tries) pick_->Observe(answer);
  }
  int Pick(theory::Random& random, const std::vector<theory::NoteSlot>& candidates, std::int64_t nowUtcMs) {
    if (!pick_) return candidates[random.Below(static_cast<std::uint32_t>(candidates.size()))];
    return pick_->Pick(random, candidates, nowUtcMs);
  }
  void Answered(const practice::AnswerRecord& record) {
    if (!pick_) return;
    pick_->Observe({record.questionSlot, record.correct, record.responseMs, record.wallTimeUtcMs});
    journal_->Record(record);
  }

 private:
  std::unique_ptr<journal::JournalWriter> journal_;
  std::optional<practice::WeakNotePick> pick_;
};

}  // namespace

int DaysToFluency(const DaysSetting& setting, std::uint64_t learnerSeed, bool weak) {
  AcrossDaysLearner learner(setting.pool, setting.model, learnerSeed);
  // The bench's own clock: when in the day the student practises, and how long each answer takes
  // (never slow, and nothing to do with the note: response times tell the pick nothing here).
  std::mt19937_64 clock(learnerSeed ^ 0x5bd1e995u);
  const std::int64_t sessionStart = std::uniform_int_distribution<std::int64_t>(0, kDayMs - 1)(clock);
  std::uniform_int_distribution<std::int64_t> responseMs(700, 1900);
  if (weak) RemoveJournal(setting.journalFile);
  theory::Random random;
  std::vector<theory::NoteSlot> candidates;
  int previous = -1;
  std::int64_t lastResponseMs = 0;
  int days = kDayLimit;
  for (int day = 1; day <= kDayLimit; ++day) {
    const std::int64_t start = kFirstDayUtcMs + (day - 1) * kDayMs + sessionStart;
    Session session(setting, weak);
    for (int q = 0; q < setting.perDay; ++q) {
      const std::int64_t shown = start + q * kQuestionEveryMs;
      candidates.clear();
      for (int i = 0; i < setting.pool; ++i) {
        if (i != previous) candidates.push_back(static_cast<theory::NoteSlot>(i));
      }
      // The trainer seeds the generator from the time of day; the answer before moves it.
      random.Seed((shown + lastResponseMs) % kDayMs);
      const int note = session.Pick(random, candidates, shown);
      const bool right = learner.Answer(note);
      lastResponseMs = responseMs(clock);
      session.Answered(
          JournalAnswer(static_cast<theory::NoteSlot>(note), right, shown + lastResponseMs, lastResponseMs, day));
      previous = note;
      learner.Wait(static_cast<double>(q + 1 < setting.perDay ? kQuestionEveryMs : kDayMs - q * kQuestionEveryMs) /
                   3'600'000.0);
    }
    if (learner.Fluent()) {
      days = day;
      break;
    }
  }
  if (weak) RemoveJournal(setting.journalFile);
  return days;
}

}  // namespace lintra::bench
