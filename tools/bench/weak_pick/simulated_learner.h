// A student whose recall of each note grows with every question on it and fades a little with
// every question: the yardstick for a question pick.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace lintra::bench {

struct LearnerModel {
  double alpha = 0.12;   // share of the missing recall that one question on a note adds
  double beta = 0.0005;  // share of the recall above its base that every question takes away
  double fluent = 0.9;
};

// Where each note's recall starts: uniformly in [0.2, 0.8], but in [0.05, 0.4] for the two lowest
// and the two highest notes of the pool (the ledger-line notes, the hard ones).
std::vector<double> BaseRecalls(int poolSize, std::mt19937_64& random);

class SimulatedLearner {
 public:
  SimulatedLearner(int poolSize, LearnerModel model, std::uint64_t seed);

  // Answers a question on note `index` and learns from it; then every note fades a little.
  bool Answer(int index);
  bool Fluent() const;
  int PoolSize() const { return static_cast<int>(recall_.size()); }

 private:
  LearnerModel model_;
  std::mt19937_64 random_;
  std::vector<double> base_;
  std::vector<double> recall_;
};

}  // namespace lintra::bench
