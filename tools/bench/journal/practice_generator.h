// Answers of a simulated student: sessions of 300 to 900 answers with breaks between, from 07:00
// to 23:00 each day (a million answers take about twelve weeks), in a handful of keys, notes getting quicker and surer
// with practice, wrong answers tried again.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "journal/answer.h"

namespace lintra::journal::bench {

struct PracticePlan {
  std::int64_t answers = 1'000'000;
  std::uint32_t seed = 1;
  std::int64_t startUtcMs = 1764547200000;  // 2025-12-01T00:00:00Z
};

// Calls `session` with each session's answers in order; returns the time of the last answer.
std::int64_t GeneratePractice(const PracticePlan& plan,
                              const std::function<void(const std::vector<AnswerRecord>&)>& session);

}  // namespace lintra::journal::bench
