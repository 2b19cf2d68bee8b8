#include "engine/Valuation.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

const NumberLocale kEnglish{".", ","};
const std::string kFailure = "Missing or incorrect data";

// One computation from five parameter texts: earnings, dividends, growth %, term, yield %.
struct ValueCase {
    const char* name;
    ParameterTexts parameters;
    std::string shown;
};
void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << c.name;
}

std::string caseName(const auto& info) {
    return info.param.name;
}

class ValueBox : public ::testing::TestWithParam<ValueCase> {};

// Every path gives the value box's text and says whether it is a value or a message.
TEST_P(ValueBox, ShowsTextAndOutcome) {
    const auto& [name, cells, shown] = GetParam();
    const ValuationResult result = valuate(cells, ValuationState{}, kEnglish);

    EXPECT_EQ(result.valueText, shown);
    const bool isMessage = shown == kFailure || shown == "?" || shown.ends_with("missing");
    EXPECT_EQ(result.outcome,
              isMessage ? ValuationOutcome::MessageShown : ValuationOutcome::ValueShown);
}

const ValueCase kValidationCases[] = {
    {"all_empty", {"", "", "", "", ""}, "?"},
    {"non_numeric_reads_zero", {"abc", "1", "5", "x", "-"}, "?"},
    {"dividends_and_growth_do_not_count", {"", "1", "5", "", ""}, "?"},
    {"earnings_zero", {"0", "1", "5", "10", "10"}, "Annual Earnings missing"},
    {"earnings_before_yield", {"", "", "", "10", ""}, "Annual Earnings missing"},
    {"yield_before_term", {"2", "", "", "", ""}, "Yield missing"},
    {"yield_zero", {"2", "1", "5", "10", "0.0"}, "Yield missing"},
    {"term_missing", {"2", "1", "5", "abc", "10"}, "Term missing"},
};
INSTANTIATE_TEST_SUITE_P(Validation, ValueBox, ::testing::ValuesIn(kValidationCases),
                         [](const auto& info) { return caseName(info); });

const ValueCase kWorkedExamplesCases[] = {
    {"cut_to_one_decimal", {"2", "1", "5", "10", "10"}, "20.30"},
    {"below_5_no_dividends", {"0.2", "0", "0", "1", "10"}, "1.82 (No dividends)"},
    {"growth_no_dividends", {"1", "0", "10", "5", "8"}, "13.70 (No dividends)"},
    {"whole_number_band", {"3.5", "1.2", "7", "10", "9"}, "43"},
    {"texts_read_by_leading_number_rule", {" 2", "1abc", "5%", "1 0", "10,5"}, "20.30"},
    {"hex_and_octal_parameters", {"&H2", "1", "&o5", "&hA", "&O12"}, "20.30"},
};
INSTANTIATE_TEST_SUITE_P(WorkedExamples, ValueBox, ::testing::ValuesIn(kWorkedExamplesCases),
                         [](const auto& info) { return caseName(info); });

// Dividends 0, growth 0, term 1 and yield 100 % make the value exactly earnings / 2.
const ValueCase kBandsCases[] = {
    {"below_5_standard", {"9.98", "0", "0", "1", "100"}, "4.99 (No dividends)"},
    {"exactly_5_is_cut", {"10", "0", "0", "1", "100"}, "5.00 (No dividends)"},
    {"above_5_is_cut_not_rounded", {"10.18", "0", "0", "1", "100"}, "5.00 (No dividends)"},
    {"just_below_30_is_cut", {"59.98", "0", "0", "1", "100"}, "29.90 (No dividends)"},
    {"exactly_30_whole", {"60", "0", "0", "1", "100"}, "30 (No dividends)"},
    {"whole_grouped_tie_away", {"2469", "0", "0", "1", "100"}, "1,235 (No dividends)"},
    {"negative_is_standard", {"-100", "0", "0", "1", "100"}, "-50.00 (No dividends)"},
    {"zero_without_note", {"1", "0", "-100", "10", "10"}, "0"},
    {"zero_with_dividends", {"1", "1", "-100", "10", "10"}, "0"},
};
INSTANTIATE_TEST_SUITE_P(Bands, ValueBox, ::testing::ValuesIn(kBandsCases),
                         [](const auto& info) { return caseName(info); });

// Term 1.5: dividend of year 1 only (0.5), end value discounted by 2^1.5 (0.354).
const ValueCase kFractionalTermCases[] = {
    {"counts_whole_years_powers_use_fraction", {"1", "1", "0", "1.5", "100"}, "0.85"},
    {"below_one_year_counts_no_dividend", {"1", "1", "0", "0.5", "100"}, "0.71"},
};
INSTANTIATE_TEST_SUITE_P(FractionalTerm, ValueBox, ::testing::ValuesIn(kFractionalTermCases),
                         [](const auto& info) { return caseName(info); });

const ValueCase kRunTimeFailureCases[] = {
    {"parameter_beyond_single", {"1" + std::string(40, '0'), "1", "5", "10", "10"}, kFailure},
    {"parameter_beyond_double", {"2", "1", "5", "10", "1e400"}, kFailure},
    {"end_value_beyond_single", {"1e38", "0", "0", "1", "1"}, kFailure},
    {"negative_base_fractional_power", {"2", "1", "-150", "2.5", "10"}, kFailure},
    {"discount_factor_zero", {"2", "1", "5", "10", "-100"}, kFailure},
    {"yield_rate_underflows_to_zero", {"2", "1", "5", "10", "1e-45"}, kFailure},
    {"discount_power_beyond_double", {"2", "1", "0", "30000", "10"}, kFailure},
    {"year_counter_overflow", {"2", "1", "0", "32768", "0.001"}, kFailure},
    {"absurd_term_does_not_hang", {"2", "1", "0", "1e30", "0.001"}, kFailure},
};
INSTANTIATE_TEST_SUITE_P(RunTimeFailure, ValueBox, ::testing::ValuesIn(kRunTimeFailureCases),
                         [](const auto& info) { return caseName(info); });

TEST(Valuation, LongestCountableTermComputes) {
    const ValuationResult result = valuate({"1", "0", "0", "32767", "0.001"}, {}, kEnglish);
    EXPECT_EQ(result.outcome, ValuationOutcome::ValueShown);
    EXPECT_EQ(result.valueText, "72,060 (No dividends)");
}

// The locale decides how the cells are read and how the value is shown: under a decimal
// comma a figure written with the comma counts in full; under the period it ends at the comma.
struct LocaleValueCase {
    const char* name;
    NumberLocale locale;
    float earnings; // as read from the first cell
    std::string shown;
    ParameterTexts parameters;
};
void PrintTo(const LocaleValueCase& c, std::ostream* os) {
    *os << c.name;
}

class ValueBoxInLocale : public ::testing::TestWithParam<LocaleValueCase> {};

TEST_P(ValueBoxInLocale, ReadsAndShows) {
    const auto& [name, locale, earnings, shown, cells] = GetParam();
    const ValuationResult result = valuate(cells, {}, locale);
    EXPECT_EQ(result.figures.earnings, earnings);
    EXPECT_EQ(result.valueText, shown);
}

const NumberLocale kDecimalComma{",", "."};
const NumberLocale kSpaceGrouped{",", "\u00a0"};

// Dividends 0, growth 0, term 1 and yield 100 % make the value exactly earnings / 2.
// clang-format off
const LocaleValueCase kLocaleValueCases[] = {
    {"english_comma_ends_the_number", kEnglish, 1.0f, "0.50 (No dividends)",
     {"1,5", "0", "0", "1", "100"}},
    {"comma_figure_read_whole", kDecimalComma, 1.5f, "0,75 (No dividends)",
     {"1,5", "0", "0", "1", "100"}},
    {"comma_conversion_figure", kDecimalComma, 3.2f, "1,60 (No dividends)",
     {"3,20", "0", "0", "1", "100"}},
    {"comma_period_still_decimal", kDecimalComma, 3.2f, "1,60 (No dividends)",
     {"3.2", "0", "0", "1", "100"}},
    {"comma_in_every_row", kDecimalComma, 2.0f, "20,30",
     {"2,0", "1,0", "5,0", "10,0", "10,0"}},
    {"comma_fractional_term", kDecimalComma, 1.0f, "0,85",
     {"1", "1", "0", "1,5", "100"}},
    {"comma_grouped_negative", kDecimalComma, -2469.0f, "-1.234,50 (No dividends)",
     {"-2469", "0", "0", "1", "100"}},
    {"space_grouped_comma_read_whole", kSpaceGrouped, 1.5f, "0,75 (No dividends)",
     {"1,5", "0", "0", "1", "100"}},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Cases, ValueBoxInLocale, ::testing::ValuesIn(kLocaleValueCases),
                         [](const auto& info) { return caseName(info); });

// The figures are the ones before, with what the computation stored until it ended: all
// of them after a value, the parameters read so far after a stop or a failure.
TEST(Valuation, FiguresKeepWhatTheComputationDidNotReach) {
    ValuationState before;
    before.termYears = 7.0f;
    before.theoreticValue = 42.0f;

    const ValuationState computed =
        valuate({"2", "1", "5", "10.5", "10"}, before, kEnglish).figures;
    EXPECT_EQ(computed.earnings, 2.0f);
    EXPECT_EQ(computed.dividends, 1.0f);
    EXPECT_EQ(computed.growthPercent, 5.0f);
    EXPECT_EQ(computed.termYears, 10.5f);
    EXPECT_EQ(computed.yieldPercent, 10.0f);
    // The fraction of the term lowers the discounted end value: 20.08, not 20.37.
    EXPECT_NEAR(computed.theoreticValue, 20.0832, 1e-4);

    const ValuationState stopped = valuate({"2", "1", "5", "", "10"}, before, kEnglish).figures;
    EXPECT_EQ(stopped.earnings, 2.0f);
    EXPECT_EQ(stopped.yieldPercent, 10.0f);
    EXPECT_EQ(stopped.termYears, 0.0f);
    EXPECT_EQ(stopped.theoreticValue, 42.0f);

    const ValuationState failed = valuate({"2", "1", "1e39", "10", "10"}, before, kEnglish).figures;
    EXPECT_EQ(failed.dividends, 1.0f);
    EXPECT_EQ(failed.termYears, 7.0f);
    EXPECT_EQ(failed.theoreticValue, 42.0f);
}

} // namespace
