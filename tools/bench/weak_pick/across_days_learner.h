// A student who practises one session a day: each note's recall grows with every question on it and
// fades with the clock, and a note recalled while it was hard to recall becomes more stable (the
// spacing effect). The yardstick for a question pick across days.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace lintra::bench {

struct AcrossDaysModel {
  double alpha = 0.12;     // share of the missing recall that one question on a note adds
  double gamma = 1.5;      // stability x (1 + gamma x (1 - recall before)) after a right answer
  double drop = 0.9;       // stability x drop after a wrong one
  double tau0Hours = 6.0;  // every note's stability at first
  double fluent = 0.9;
};

class AcrossDaysLearner {
 public:
  // The two lowest and the two highest notes of the pool (the ledger-line notes) are the hard ones.
  AcrossDaysLearner(int poolSize, AcrossDaysModel model, std::uint64_t seed);

  // Answers a question on note `index`, learns from it and its stability moves.
  bool Answer(int index);
  // Every note fades towards its base over `hours`.
  void Wait(double hours);
  bool Fluent() const;

 private:
  AcrossDaysModel model_;
  std::mt19937_64 random_;
  std::vector<double> base_;
  std::vector<double> recall_;
  std::vector<double> stabilityHours_;
};

}  // namespace lintra::bench
