#include "engine/Conversion.h"
#include "engine/LeadingNumber.h"

#include <gtest/gtest.h>

#include <cmath>

#include <optional>
#include <ostream>
#include <string>

namespace {

const NumberLocale kEnglish{".", ","};
const NumberLocale kDecimalComma{",", "."};

constexpr PerShareFigure Earnings = PerShareFigure::Earnings;
constexpr PerShareFigure Dividends = PerShareFigure::Dividends;

struct ConversionCase {
    const char* name;
    PerShareFigure figure;
    std::string rate;
    std::string price;
    NumberLocale locale;
    std::optional<float> value; // nullopt: the conversion fails
    std::string text;
};
void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << c.name;
}

class Conversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(Conversion, Converts) {
    const ConversionCase& c = GetParam();
    const auto result = convertToPerShare(c.figure, c.rate, c.price, c.locale);
    if (!c.value) {
        EXPECT_FALSE(result.has_value()) << "converted to " << result->text;
        return;
    }
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->value, *c.value);
    EXPECT_EQ(result->text, c.text);
}

// The written figure feeds the valuation: read back the way the computation reads the cell,
// in the same locale, it is the figure to within the three decimals it is written with.
TEST_P(Conversion, TextReadsBackAsTheFigure) {
    const ConversionCase& c = GetParam();
    const auto result = convertToPerShare(c.figure, c.rate, c.price, c.locale);
    if (!result)
        return;
    const double read = readLeadingNumber(result->text, c.locale);
    EXPECT_NEAR(read, result->value, 0.0005 + std::abs(result->value) * 1e-7) << result->text;
}

const ConversionCase kConversionCases[] = {
    // The worked examples: price / ratio and yield x price / 100.
    {"ratio_worked_example", Earnings, "12.5", "40", kEnglish, 3.2f, "3.20"},
    {"yield_worked_example", Dividends, "2.5", "40", kEnglish, 1.0f, "1.00"},
    // The third decimal appears only when needed and is rounded.
    {"third_decimal_rounded_up", Earnings, "3", "2", kEnglish, 2.0f / 3.0f, "0.667"},
    {"third_decimal_rounded_down", Earnings, "3", "10", kEnglish, 10.0f / 3.0f, "3.333"},
    {"third_decimal_kept", Earnings, "8", "1", kEnglish, 0.125f, "0.125"},
    {"exact_tie_away_from_zero", Dividends, "4.25", "25", kEnglish, 1.0625f, "1.063"},
    {"written_tie_rounds_up", Dividends, "0.01", "25", kEnglish, 0.0025f, "0.003"},
    {"written_tie_below_in_binary", Dividends, "0.01", "45", kEnglish, 0.0045f, "0.005"},
    {"negative_written_tie", Dividends, "-0.01", "25", kEnglish, -0.0025f, "-0.003"},
    {"fifth_decimal_no_tie", Earnings, "8", "0.01", kEnglish, 0.00125f, "0.001"},
    {"below_a_thousandth", Earnings, "4000", "1", kEnglish, 0.00025f, "0.00"},
    {"underflow_reads_zero", Earnings, "1", "1e-50", kEnglish, 0.0f, "0.00"},
    {"no_grouping", Earnings, "1", "1234567", kEnglish, 1234567.0f, "1234567.00"},
    // Negative inputs convert like any other number.
    {"negative_ratio", Earnings, "-12.5", "40", kEnglish, -3.2f, "-3.20"},
    {"negative_price", Earnings, "12.5", "-40", kEnglish, -3.2f, "-3.20"},
    {"negative_yield", Dividends, "-2.5", "40", kEnglish, -1.0f, "-1.00"},
    {"both_negative", Dividends, "-2.5", "-40", kEnglish, 1.0f, "1.00"},
    // The locale's number conversion: blanks around, exponent, separators.
    {"blanks_around", Earnings, " 12.5 ", "\t40 ", kEnglish, 3.2f, "3.20"},
    {"exponent", Earnings, "1.25E1", "4e1", kEnglish, 3.2f, "3.20"},
    {"grouped_price", Earnings, "1000", "1,250", kEnglish, 1.25f, "1.25"},
    {"decimal_comma", Earnings, "12,5", "40", kDecimalComma, 3.2f, "3,20"},
    {"decimal_comma_grouped", Dividends, "2,5", "1.200", kDecimalComma, 30.0f, "30,00"},
    {"period_groups_under_decimal_comma", Earnings, "12.5", "40", kDecimalComma, 0.32f, "0,32"},
    // Failures: nothing to read, nothing to divide by, nothing a single can hold.
    {"empty_price", Earnings, "12.5", "", kEnglish, std::nullopt, ""},
    {"empty_ratio", Earnings, "", "40", kEnglish, std::nullopt, ""},
    {"blank_price", Dividends, "2.5", "   ", kEnglish, std::nullopt, ""},
    {"letters", Earnings, "abc", "40", kEnglish, std::nullopt, ""},
    {"trailing_letters", Earnings, "12.5x", "40", kEnglish, std::nullopt, ""},
    {"lone_sign", Dividends, "-", "40", kEnglish, std::nullopt, ""},
    {"lone_point", Dividends, "2.5", ".", kEnglish, std::nullopt, ""},
    {"nan_text", Earnings, "nan", "40", kEnglish, std::nullopt, ""},
    {"infinity_text", Earnings, "12.5", "inf", kEnglish, std::nullopt, ""},
    {"ratio_zero", Earnings, "0", "40", kEnglish, std::nullopt, ""},
    {"ratio_negative_zero", Earnings, "-0", "40", kEnglish, std::nullopt, ""},
    {"zero_over_zero", Earnings, "0", "0", kEnglish, std::nullopt, ""},
    {"beyond_single", Earnings, "1", "1e39", kEnglish, std::nullopt, ""},
    {"beyond_single_negative", Earnings, "-1e-39", "1", kEnglish, std::nullopt, ""},
    {"product_beyond_single", Dividends, "1e30", "1e30", kEnglish, std::nullopt, ""},
    {"beyond_double", Dividends, "1e400", "1", kEnglish, std::nullopt, ""},
    // A zero yield is a dividend of zero, not a failure.
    {"yield_zero", Dividends, "0", "40", kEnglish, 0.0f, "0.00"},
};
INSTANTIATE_TEST_SUITE_P(Cases, Conversion, ::testing::ValuesIn(kConversionCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The largest figure a single holds still converts, and the text reads back as that figure.
TEST(Conversion, LargestSingleConverts) {
    const auto result = convertToPerShare(Earnings, "1", "3.4028234e38", kEnglish);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->value, 3.4028234e38f);
    EXPECT_EQ(std::stof(result->text), result->value);
}

} // namespace
