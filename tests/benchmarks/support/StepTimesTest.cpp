#include "StepTimes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

using std::chrono::nanoseconds;

StepTimes shuffledSteps(int count) {
    std::vector<int> values(static_cast<std::size_t>(count));
    std::iota(values.begin(), values.end(), 1);
    std::shuffle(values.begin(), values.end(), std::mt19937(7));
    StepTimes steps;
    for (int value : values)
        steps.add(nanoseconds(value));
    return steps;
}

struct RankCase {
    int count;
    double percent;
    long long expected;
};

class StepTimesRank : public ::testing::TestWithParam<RankCase> {};

// Steps of 1..n ns in shuffled order: the p-th percentile is the step of rank ceil(p·n/100),
// never an interpolated value and never one rank too far for round products.
TEST_P(StepTimesRank, NearestRank) {
    const RankCase c = GetParam();
    EXPECT_EQ(shuffledSteps(c.count).percentile(c.percent), nanoseconds(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Ranks, StepTimesRank,
                         ::testing::Values(RankCase{100, 50, 50}, RankCase{100, 99, 99},
                                           RankCase{100, 7, 7}, RankCase{1000, 99.9, 999},
                                           RankCase{3, 50, 2}, RankCase{4, 50, 2},
                                           RankCase{1, 99, 1}, RankCase{200, 100, 200},
                                           RankCase{200, 0, 1}, RankCase{10, 150, 10},
                                           RankCase{10, -5, 1}));

TEST(StepTimes, NothingRecordedReadsZero) {
    EXPECT_EQ(StepTimes().percentile(50), nanoseconds::zero());
}

// Asking for a percentile must not reorder what was recorded: the tail is asked for after
// the median.
TEST(StepTimes, PercentilesCanBeAskedInAnyOrder) {
    const StepTimes steps = shuffledSteps(1000);
    EXPECT_EQ(steps.percentile(99), nanoseconds(990));
    EXPECT_EQ(steps.percentile(50), nanoseconds(500));
    EXPECT_EQ(steps.percentile(99), nanoseconds(990));
    EXPECT_EQ(steps.size(), 1000u);
}

} // namespace
