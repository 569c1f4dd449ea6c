#include "simulated_learner.h"

#include <algorithm>

namespace lintra::bench {

std::vector<double> BaseRecalls(int poolSize, std::mt19937_64& random) {
  std::uniform_real_distribution<double> usual(0.2, 0.8);
  std::uniform_real_distribution<double> ledger(0.05, 0.4);
  std::vector<double> base;
  for (int i = 0; i < poolSize; ++i) {
    const bool hard = i < 2 || i >= poolSize - 2;
    base.push_back(hard ? ledger(random) : usual(random));
  }
  return base;
}

SimulatedLearner::SimulatedLearner(int poolSize, LearnerModel model, std::uint64_t seed)
    : model_(model), random_(seed), base_(BaseRecalls(poolSize, random_)), recall_(base_) {}

bool SimulatedLearner::Answer(int index) {
  const auto i = static_cast<std::size_t>(index);
  const bool right = std::uniform_real_distribution<double>(0.0, 1.0)(random_) < recall_[i];
  recall_[i] += model_.alpha * (1.0 - recall_[i]);
  for (std::size_t j = 0; j < recall_.size(); ++j) recall_[j] -= model_.beta * (recall_[j] - base_[j]);
  return right;
}

bool SimulatedLearner::Fluent() const {
  return std::all_of(recall_.begin(), recall_.end(), [&](double p) { return p >= model_.fluent; });
}

}  // namespace lintra::bench
