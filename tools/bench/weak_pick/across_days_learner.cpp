#include "across_days_learner.h"

#include <algorithm>
#include <cmath>

#include "simulated_learner.h"

namespace lintra::bench {

AcrossDaysLearner::AcrossDaysLearner(int poolSize, AcrossDaysModel model, std::uint64_t seed)
    : model_(model),
      random_(seed),
      base_(BaseRecalls(poolSize, random_)),
      recall_(base_),
      stabilityHours_(base_.size(), model_.tau0Hours) {}

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
