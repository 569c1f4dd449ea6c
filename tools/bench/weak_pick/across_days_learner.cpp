#include "across_days_learner.h"

#include <algorithm>
#include <cmath>

namespace lintra::bench {

AcrossDaysLearner::AcrossDaysLearner(int poolSize, AcrossDaysModel model, std::uint64_t seed)
    : model_(model), random_(seed) {
  std::uniform_real_distribution<double> usual(0.2, 0.8);
  std::uniform_real_distribution<double> ledger(0.05, 0.4);
  for (int i = 0; i < poolSize; ++i) {
    const bool hard = i < 2 || i >= poolSize - 2;
    base_.push_back(hard ? ledger(random_) : usual(random_));
  }
  recall_ = base_;
  stabilityHours_.assign(base_.size(), model_.tau0Hours);
}

bool AcrossDaysLearner::Answer(int index) {
  const auto i = static_cast<std::size_t>(index);
  const double before = recall_[i];
  const bool right = std::uniform_real_distribution<double>(0.0, 1.0)(random_) < before;
  recall_[i] += model_.alpha * (1.0 - before);
  stabilityHours_[i] *= right ? 1.0 + model_.gamma * (1.0 - before) : model_.drop;
  return right;
}

void AcrossDaysLearner::Wait(double hours) {
  for (std::size_t j = 0; j < recall_.size(); ++j) {
    recall_[j] = base_[j] + (recall_[j] - base_[j]) * std::exp(-hours / stabilityHours_[j]);
  }
}

bool AcrossDaysLearner::Fluent() const {
  return std::all_of(recall_.begin(), recall_.end(), [&](double p) { return p >= model_.fluent; });
}

}  // namespace lintra::bench
