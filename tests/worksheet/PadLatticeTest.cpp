#include "worksheet/PadLattice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct IndexCase {
    const char* name;
    double twips;
    int index;
};

// Nearest whole twip (halves to the even one), then 120-twip steps truncated toward zero.
class LatticeIndex : public ::testing::TestWithParam<IndexCase> {};

TEST_P(LatticeIndex, RoundsThenTruncates) {
    EXPECT_EQ(PadLattice::latticeIndex(GetParam().twips), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    PadLattice, LatticeIndex,
    ::testing::Values(
        IndexCase{"Zero", 0.0, 0}, IndexCase{"HalfGoesDownToEvenZero", 0.5, 0},
        IndexCase{"OneAndAHalfGoesUpToEvenTwo", 1.5, 0}, IndexCase{"LastTwipOfFirstStep", 119.0, 0},
        IndexCase{"HalfBelowStepGoesUpTo120", 119.5, 1},
        IndexCase{"JustBelowHalfStaysIn", 119.4, 0},
        IndexCase{"HalfAboveStepGoesDownTo120", 120.5, 1},
        IndexCase{"FirstTwipOfSecondStep", 120.0, 1}, IndexCase{"LastTwipOfSecondStep", 239.0, 1},
        IndexCase{"HalfBelowThirdStepIsEven240", 239.5, 2}, IndexCase{"FiveYears", 659.0, 5},
        IndexCase{"Row19", 2399.0, 19}, IndexCase{"NegativeHalfToEvenZero", -0.5, 0},
        IndexCase{"NegativeTruncatesTowardZero", -119.0, 0},
        IndexCase{"NegativeHalfGoesTo120Below", -119.5, -1},
        IndexCase{"NegativeHalfAboveStep", -120.5, -1}, IndexCase{"NegativeFullStep", -120.0, -1},
        IndexCase{"NegativeLastOfStep", -239.0, -1}, IndexCase{"NegativeHalfToEven240", -239.5, -2},
        // Through pixels and back a half arrives a hair off; it is still a half.
        IndexCase{"HalfArrivingJustUnder", 119.49999999999996, 1},
        IndexCase{"NegativeHalfArrivingJustOver", -119.49999999999996, -1},
        IndexCase{"FarRightHeldInRange", 1e300, std::numeric_limits<int>::max() / 120},
        IndexCase{"FarLeftHeldInRange", -1e300, std::numeric_limits<int>::min() / 120},
        IndexCase{"Infinity", std::numeric_limits<double>::infinity(),
                  std::numeric_limits<int>::max() / 120},
        IndexCase{"NotANumberCountsAsZero", std::nan(""), 0}),
    [](const ::testing::TestParamInfo<IndexCase>& info) { return std::string(info.param.name); });

struct SettingCase {
    const char* name;
    double x;
    double y;
    PadLattice::Setting setting; // across, down, snapped x, snapped y, term, growth
};

class PadSetting : public ::testing::TestWithParam<SettingCase> {};

TEST_P(PadSetting, MapsPointToTermAndGrowth) {
    const PadLattice::Setting got = PadLattice::settingAt(GetParam().x, GetParam().y);
    const PadLattice::Setting& want = GetParam().setting;
    EXPECT_EQ(got.across, want.across);
    EXPECT_EQ(got.down, want.down);
    EXPECT_EQ(got.snappedX, want.snappedX);
    EXPECT_EQ(got.snappedY, want.snappedY);
    EXPECT_EQ(got.term, want.term);
    EXPECT_EQ(got.growth, want.growth);
}

INSTANTIATE_TEST_SUITE_P(
    PadLattice, PadSetting,
    ::testing::Values(SettingCase{"FiveYearsAt22Percent", 659, 2399, {5, 19, 600, 2280, 5, 22}},
                      SettingCase{"TopLeftCorner", 0, 0, {0, 0, 0, 0, 0, 41}},
                      SettingCase{"BottomRightOfPad", 2219, 5039, {18, 41, 2160, 4920, 18, 0}},
                      SettingCase{"LeftOfPadKeepsTermAtZero", -500, 600, {-4, 5, -480, 600, 0, 36}},
                      SettingCase{"AbovePadGrowthRises", 60, -120, {0, -1, 0, -120, 0, 42}},
                      SettingCase{"BelowPadGrowthFalls", 60, 5160, {0, 43, 0, 5160, 0, -2}}),
    [](const ::testing::TestParamInfo<SettingCase>& info) { return std::string(info.param.name); });

} // namespace
