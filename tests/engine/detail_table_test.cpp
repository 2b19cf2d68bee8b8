#include "engine/DetailTable.h"
#include "engine/ValuationFailure.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

namespace {

using Row = std::array<std::string, DetailTable::kColumns>;

const NumberLocale kEnglish{".", ","};

ValuationState stateOf(float earnings, float dividends, float growth, float term, float yield) {
    return ValuationState{earnings, dividends, growth, term, yield, 0.0f};
}

TEST(DetailTable, WorkedExampleCellByCell) {
    const std::vector<Row> expected = {
        {"Year", "Earnings", "Dividends", "End Value", "Present value"},
        {"1", "2.10", "1.05", "", "0.95"},
        {"2", "2.21", "1.10", "", "0.91"},
        {"3", "2.32", "1.16", "", "0.87"},
        {"4", "2.43", "1.22", "", "0.83"},
        {"5", "2.55", "1.28", "", "0.79"},
        {"6", "2.68", "1.34", "", "0.76"},
        {"7", "2.81", "1.41", "", "0.72"},
        {"8", "2.95", "1.48", "", "0.69"},
        {"9", "3.10", "1.55", "", "0.66"},
        {"10", "3.26", "1.63", "32.60", "13.20"},
        // The sum of the rounded cells, not the computed 20.37.
        {"", "", "", "Valuation", "20.38"},
    };
    const DetailTable table = buildDetailTable(stateOf(2, 1, 5, 10, 10), kEnglish);
    EXPECT_EQ(table.rows, expected);
    EXPECT_EQ(table.valuationRow(), 11);
}

TEST(DetailTable, DecimalCommaCellsReadBack) {
    const DetailTable table = buildDetailTable(stateOf(2, 1, 5, 10, 10), NumberLocale{",", "."});
    EXPECT_EQ(table.rows[10][3], "32,60");
    EXPECT_EQ(table.rows[10][4], "13,20");
    EXPECT_EQ(table.rows[11][4], "20,38");
}

// Cells above 1,000 carry group separators that must be read back as part of the number.
TEST(DetailTable, GroupedCellsReadBack) {
    const DetailTable table = buildDetailTable(stateOf(2000, 1000, 5, 10, 10), kEnglish);
    EXPECT_EQ(table.rows[10][1], "3,257.79");
    EXPECT_EQ(table.rows[10][3], "32,577.90");
    EXPECT_EQ(table.rows[10][4], "13,188.20");
    EXPECT_EQ(table.rows[11][4], "20,372.00");
}

// The same under a decimal comma, where the period groups: the read-back must take
// "3.257,79" as 3257.79, not as 3.257.
TEST(DetailTable, GroupedDecimalCommaCellsReadBack) {
    const DetailTable table =
        buildDetailTable(stateOf(2000, 1000, 5, 10, 10), NumberLocale{",", "."});
    EXPECT_EQ(table.rows[10][1], "3.257,79");
    EXPECT_EQ(table.rows[10][3], "32.577,90");
    EXPECT_EQ(table.rows[10][4], "13.188,20");
    EXPECT_EQ(table.rows[11][4], "20.372,00");
}

// Beyond a double's 15 digits: the total is the exact sum of the cells shown.
TEST(DetailTable, HugeCellsAddUpToTheCent) {
    const DetailTable table = buildDetailTable(stateOf(0, 1e14f, 0, 3, 10), kEnglish);
    EXPECT_EQ(table.rows[1][4], "90,909,091,128,515.36");
    EXPECT_EQ(table.rows[2][4], "82,644,628,186,695.70");
    EXPECT_EQ(table.rows[3][4], "75,131,480,067,946.42");
    EXPECT_EQ(table.rows[4][4], "248,685,199,383,157.48");
}

TEST(DetailTable, OneYearRowCarriesEverything) {
    const DetailTable table = buildDetailTable(stateOf(2, 1, 5, 1, 10), kEnglish);
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[1], (Row{"1", "2.10", "1.05", "21.00", "20.04"}));
    EXPECT_EQ(table.rows[2], (Row{"", "", "", "Valuation", "20.04"}));
}

// Term 2.5: two year rows, the Valuation row right after; the end value 1.00 is
// discounted by 2^2.5, not 2^2 (which would give 0.25).
TEST(DetailTable, FractionalTermShowsWholeYears) {
    const DetailTable table = buildDetailTable(stateOf(1, 0, 0, 2.5f, 100), kEnglish);
    ASSERT_EQ(table.rows.size(), 4u);
    EXPECT_EQ(table.rows[2], (Row{"2", "1.00", "0.00", "1.00", "0.18"}));
    EXPECT_EQ(table.rows[3][4], "0.18");
}

struct FailureCase {
    const char* name;
    ValuationState state;
};
void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class DetailTableFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(DetailTableFailure, Throws) {
    EXPECT_THROW(buildDetailTable(GetParam().state, kEnglish), ValuationFailure);
}

const FailureCase kDetailTableFailureCases[] = {
    {"term_below_one_year", stateOf(2, 1, 5, 0.5f, 10)},
    {"negative_term", stateOf(2, 1, 5, -3, 10)},
    {"year_counter_overflow", stateOf(2, 1, 0, 32768, 0.001f)},
    {"yield_zero_divides_by_zero", stateOf(2, 1, 5, 10, 0)},
    {"negative_base_fractional_power", stateOf(2, 1, 5, 2.5f, -150)},
    {"total_beyond_currency_range", stateOf(1e15f, 1e15f, 0, 1, 100)},
};
INSTANTIATE_TEST_SUITE_P(Cases, DetailTableFailure, ::testing::ValuesIn(kDetailTableFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
