#include "StepTimes.h"

#include <algorithm>
#include <cmath>

StepTimes::Duration StepTimes::percentile(double percent) const {
    if (samples_.empty())
        return Duration::zero();
    // Rank 1 is the fastest step, rank n the slowest. The small allowance keeps a product
    // such as 7 % of 100 steps, which binary fractions make a hair above 7, at rank 7.
    const auto count = static_cast<double>(samples_.size());
    const double exactRank = std::clamp(percent, 0.0, 100.0) * count / 100.0;
    const auto rank = static_cast<std::size_t>(std::max(std::ceil(exactRank - 1e-9), 1.0));
    std::vector<Duration> sorted = samples_;
    const auto nth = sorted.begin() + static_cast<std::ptrdiff_t>(rank - 1);
    std::nth_element(sorted.begin(), nth, sorted.end());
    return *nth;
}
