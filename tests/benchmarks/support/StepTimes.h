#pragma once

#include <chrono>
#include <cstddef>
#include <vector>

// The durations of single steps of a benchmark, kept one by one so that the median and the
// tail can be told apart (a mean hides the rare slow step that a user feels).
class StepTimes {
public:
    using Duration = std::chrono::nanoseconds;

    void reserve(std::size_t count) { samples_.reserve(count); }
    void add(Duration step) { samples_.push_back(step); }
    std::size_t size() const { return samples_.size(); }

    // The nearest-rank percentile: the smallest step that at least `percent` per cent of
    // the steps do not exceed. Zero when nothing was recorded; `percent` is held to 0..100.
    Duration percentile(double percent) const;

private:
    std::vector<Duration> samples_;
};
