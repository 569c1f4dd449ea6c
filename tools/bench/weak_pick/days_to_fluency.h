// Days of practice until a simulated student starts a session with every note fluent, asked by the
// uniform pick or by the weak-note pick. As in the trainer, every session of the weak-note pick
// starts a new pick rebuilt from the journal file the sessions before wrote.
#pragma once

#include <cstdint>
#include <filesystem>

#include "across_days_learner.h"
#include "practice/weak_pick.h"

namespace lintra::bench {

inline constexpr int kDayLimit = 60;

struct DaysSetting {
  AcrossDaysModel model;
  int pool = 15;
  int perDay = 40;
  practice::WeakPickTuning tuning;
  std::filesystem::path journalFile;  // written afresh for every student taught by the weak-note pick
};

// kDayLimit when the student is not fluent by then.
int DaysToFluency(const DaysSetting& setting, std::uint64_t learnerSeed, bool weak);

}  // namespace lintra::bench
