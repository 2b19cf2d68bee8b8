#include "engine/LeadingNumber.h"
#include "engine/LocaleNumber.h"
#include "engine/NumberFormats.h"
#include "engine/SinglePrecision.h"
#include "engine/ValuationFailure.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace {

const NumberLocale kEnglish{".", ","};
const NumberLocale kDecimalComma{",", "."};
const NumberLocale kSpaceGrouped{",", "\u00a0"}; // a multi-byte group separator

template <class Case> std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

struct LeadingCase {
    const char* name;
    std::string text;
    double value;
};
void PrintTo(const LeadingCase& c, std::ostream* os) {
    *os << c.name;
}

class LeadingNumber : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumber, Reads) {
    EXPECT_DOUBLE_EQ(readLeadingNumber(GetParam().text), GetParam().value);
}

const LeadingCase kLeadingNumberCases[] = {
    {"empty", "", 0},
    {"no_number", "abc", 0},
    {"stops_at_comma", "1,500", 1},
    {"stops_at_letter", "12abc", 12},
    {"blanks_anywhere", " \t1 2\n. 5 ", 12.5},
    {"signs", "-3", -3},
    {"plus_sign", "+4", 4},
    {"double_sign", "--1", 0},
    {"lone_sign", "-", 0},
    {"lone_point", ".", 0},
    {"point_first", ".5", 0.5},
    {"point_last", "5.", 5},
    {"second_point_ends", "1.2.3", 1.2},
    {"exponent", "1.5e3", 1500},
    {"exponent_upper_signed", "2E-2", 0.02},
    {"exponent_without_digits", "3e", 3},
    {"exponent_sign_without_digits", "3E+x", 3},
    {"hex", "&H1F", 31},
    {"hex_lower_stops_at_non_digit", "&hfg", 15},
    {"octal", "&O17", 15},
    {"octal_stops_at_8", "&o78", 7},
    {"prefix_without_digits", "&H", 0},
    {"unknown_prefix", "&X1", 0},
    {"beyond_single_still_read", "1" + std::string(40, '0'), 1e40},
    {"underflow_reads_zero", "1e-400", 0},
    {"long_text_beyond_stack_buffer", "0." + std::string(100, '0') + "1", 1e-101},
};
INSTANTIATE_TEST_SUITE_P(Cases, LeadingNumber, ::testing::ValuesIn(kLeadingNumberCases),
                         caseName<LeadingCase>);

// How the computation reads a parameter cell under a locale: the period stays a decimal
// separator, the locale's own decimal separator becomes one too, and anything else (the group
// separator included) still ends the number.
struct LeadingInLocaleCase {
    const char* name;
    std::string text;
    NumberLocale locale;
    double value;
};
void PrintTo(const LeadingInLocaleCase& c, std::ostream* os) {
    *os << c.name;
}

class LeadingNumberInLocale : public ::testing::TestWithParam<LeadingInLocaleCase> {};

TEST_P(LeadingNumberInLocale, Reads) {
    EXPECT_DOUBLE_EQ(readLeadingNumber(GetParam().text, GetParam().locale), GetParam().value);
}

const NumberLocale kArabicPoint{"\u066b", "\u066c"}; // a two-byte decimal separator
const NumberLocale kNoDecimalSeparator{"", "."};

const LeadingInLocaleCase kLeadingInLocaleCases[] = {
    {"english_comma_ends_the_number", "1,5", kEnglish, 1},
    {"english_grouped_reads_first_group", "1,234.5", kEnglish, 1},
    {"english_period", "1.5", kEnglish, 1.5},
    {"comma_decimal", "1,5", kDecimalComma, 1.5},
    {"comma_conversion_figure", "3,20", kDecimalComma, 3.2},
    {"comma_negative", "-2,5", kDecimalComma, -2.5},
    {"comma_first", ",5", kDecimalComma, 0.5},
    {"comma_last", "5,", kDecimalComma, 5},
    {"comma_lone", ",", kDecimalComma, 0},
    {"comma_with_exponent", "1,5e3", kDecimalComma, 1500},
    {"comma_blanks_around_it", " 1 , 5 ", kDecimalComma, 1.5},
    {"comma_period_still_decimal", "1.5", kDecimalComma, 1.5},
    {"comma_second_comma_ends", "1,2,3", kDecimalComma, 1.2},
    {"comma_period_after_comma_ends", "1,2.3", kDecimalComma, 1.2},
    {"comma_grouping_period_ends", "1.234,5", kDecimalComma, 1.234},
    {"comma_hex_unchanged", "&H1F", kDecimalComma, 31},
    {"space_grouped_comma_decimal", "1,5", kSpaceGrouped, 1.5},
    {"space_grouped_group_ends", "1\u00a0234", kSpaceGrouped, 1},
    {"multibyte_decimal", "1\u066b5", kArabicPoint, 1.5},
    {"multibyte_decimal_cut", "1\xd9", kArabicPoint, 1},
    {"multibyte_group_ends", "1\u066c5", kArabicPoint, 1},
    {"no_decimal_separator_period_only", "1,5", kNoDecimalSeparator, 1},
};
INSTANTIATE_TEST_SUITE_P(Cases, LeadingNumberInLocale, ::testing::ValuesIn(kLeadingInLocaleCases),
                         caseName<LeadingInLocaleCase>);

// Under the period locale the reading is the locale-free rule, case for case.
TEST_P(LeadingNumber, ReadsTheSameUnderThePeriodLocale) {
    EXPECT_EQ(readLeadingNumber(GetParam().text, kEnglish), readLeadingNumber(GetParam().text));
}

TEST(LeadingNumber, BeyondDoubleRangeThrows) {
    EXPECT_THROW(readLeadingNumber("1e400"), ValuationFailure);
    EXPECT_THROW(readLeadingNumber("-" + std::string(400, '9')), ValuationFailure);
    EXPECT_THROW(readLeadingNumber("&H" + std::string(300, 'F')), ValuationFailure);
}

struct LocaleCase {
    const char* name;
    std::string text;
    NumberLocale locale;
    std::optional<double> value;
};
void PrintTo(const LocaleCase& c, std::ostream* os) {
    *os << c.name;
}

class LocaleNumber : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleNumber, Reads) {
    const auto& c = GetParam();
    const auto value = readLocaleNumber(c.text, c.locale);
    ASSERT_EQ(value.has_value(), c.value.has_value());
    if (value) {
        EXPECT_DOUBLE_EQ(*value, *c.value);
    }
    EXPECT_EQ(isLocaleNumber(c.text, c.locale), c.value.has_value());
}

const LocaleCase kLocaleNumberCases[] = {
    {"grouped_with_decimals", "1,234.5", kEnglish, 1234.5},
    {"lax_grouping", "1,5", kEnglish, 15},
    {"blanks_around_and_sign", " -3.20\t", kEnglish, -3.2},
    {"plus_sign", "+1", kEnglish, 1},
    {"point_first", ".5", kEnglish, 0.5},
    {"point_last", "1.", kEnglish, 1},
    {"exponent", "1.5E-1", kEnglish, 0.15},
    {"empty", "", kEnglish, std::nullopt},
    {"lone_point", ".", kEnglish, std::nullopt},
    {"lone_sign", "-", kEnglish, std::nullopt},
    {"lone_group", ",", kEnglish, std::nullopt},
    {"leading_group", ",5", kEnglish, std::nullopt},
    {"trailing_group_while_typing", "1,", kEnglish, 1},
    {"trailing_group_after_groups", "12,345,", kEnglish, 12345},
    {"trailing_group_then_blank", "1, ", kEnglish, 1},
    {"double_group", "1,,2", kEnglish, std::nullopt},
    {"group_in_decimals", "1.2,3", kEnglish, std::nullopt},
    {"second_point", "1.2.", kEnglish, std::nullopt},
    {"letters", "abc", kEnglish, std::nullopt},
    {"inner_sign", "1-2", kEnglish, std::nullopt},
    {"inner_blank", "1 2", kEnglish, std::nullopt},
    {"exponent_without_digits", "1e", kEnglish, std::nullopt},
    {"beyond_double", "1e400", kEnglish, std::nullopt},
    {"comma_locale_grouped", "1.234,5", kDecimalComma, 1234.5},
    {"comma_locale_point_groups", "1.5", kDecimalComma, 15},
    {"comma_locale_second_comma", "1,2,", kDecimalComma, std::nullopt},
    {"multibyte_group", "1\u00a0234,50", kSpaceGrouped, 1234.5},
    {"multibyte_group_cut", "1\xc2", kSpaceGrouped, std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Cases, LocaleNumber, ::testing::ValuesIn(kLocaleNumberCases),
                         caseName<LocaleCase>);

// Both readers share the test that tells a number above the double range from one below it.
// Exponents far beyond any double, and beyond 64 bits, must land on the right side.
struct RangeCase {
    const char* name;
    std::string text;
    std::optional<double> value; // nullopt: above the double range
};
void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadersAtTheRangeEdges : public ::testing::TestWithParam<RangeCase> {};

TEST_P(ReadersAtTheRangeEdges, LeadingNumberRule) {
    const auto& c = GetParam();
    if (c.value) {
        EXPECT_EQ(readLeadingNumber(c.text), *c.value);
    } else {
        EXPECT_THROW(readLeadingNumber(c.text), ValuationFailure);
    }
}

TEST_P(ReadersAtTheRangeEdges, LocaleReader) {
    const auto& c = GetParam();
    EXPECT_EQ(readLocaleNumber(c.text, kEnglish), c.value);
}

const std::string kManyZeros(400, '0');

const RangeCase kRangeCases[] = {
    {"largest_exponent", "1e9223372036854775807", std::nullopt},
    {"largest_exponent_negative_number", "-1e9223372036854775807", std::nullopt},
    {"largest_exponent_below_one", "0.01e9223372036854775807", std::nullopt},
    {"largest_exponent_many_leading_zeros", "0." + kManyZeros + "1e9223372036854775807",
     std::nullopt},
    {"largest_exponent_digits_after_point", "123.456e9223372036854775806", std::nullopt},
    {"smallest_exponent", "1e-9223372036854775808", 0.0},
    {"smallest_exponent_below_one", "0.01e-9223372036854775808", 0.0},
    {"smallest_exponent_digits_after_point", "98.76e-9223372036854775808", 0.0},
    {"smallest_exponent_many_digits", kManyZeros + "5" + kManyZeros + "e-9223372036854775808", 0.0},
    {"twenty_digit_exponent", "1e99999999999999999999", std::nullopt},
    {"twenty_digit_exponent_below_one", "0." + kManyZeros + "1e99999999999999999999", std::nullopt},
    {"twenty_digit_negative_exponent", "1e-99999999999999999999", 0.0},
    {"twenty_digit_negative_exponent_large_number", "9" + kManyZeros + "e-99999999999999999999",
     0.0},
    {"leading_zeros_in_exponent", "1e" + kManyZeros + "400", std::nullopt},
    {"largest_double", "1.7976931348623157e308", 1.7976931348623157e308},
    {"just_above_largest_double", "1.7976931348623159e308", std::nullopt},
    {"point_shifts_into_range", "0.1e309", 1e308},
    {"point_shifts_out_of_range", "10e308", std::nullopt},
    {"below_smallest_double", "0.00001e-320", 0.0},
    {"many_leading_zeros_brought_into_range", "0." + kManyZeros + "1e401", 1.0},
};
INSTANTIATE_TEST_SUITE_P(Cases, ReadersAtTheRangeEdges, ::testing::ValuesIn(kRangeCases),
                         caseName<RangeCase>);

enum class Format { Standard, WholeGrouped, ConversionFigure };

struct FormatCase {
    const char* name;
    Format format;
    double value;
    NumberLocale locale;
    std::string text;
};
void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

std::string format(const FormatCase& c) {
    switch (c.format) {
    case Format::Standard:
        return formatStandard(c.value, c.locale);
    case Format::WholeGrouped:
        return formatWholeGrouped(c.value, c.locale);
    case Format::ConversionFigure:
        return formatConversionFigure(c.value, c.locale);
    }
    return {};
}

class NumberFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(NumberFormat, Formats) {
    EXPECT_EQ(format(GetParam()), GetParam().text);
}

TEST_P(NumberFormat, AppendsAfterExistingText) {
    const auto& c = GetParam();
    std::string text = "x";
    if (c.format == Format::Standard)
        appendStandard(text, c.value, c.locale);
    else if (c.format == Format::WholeGrouped)
        appendWholeGrouped(text, c.value, c.locale);
    else
        return;
    EXPECT_EQ(text, "x" + c.text);
}

using enum Format;
const FormatCase kNumberFormatCases[] = {
    {"standard_zero", Standard, 0, kEnglish, "0.00"},
    {"standard_leading_zero", Standard, 0.75, kEnglish, "0.75"},
    {"standard_negative", Standard, -3.2, kEnglish, "-3.20"},
    {"standard_grouped", Standard, 1234.5, kEnglish, "1,234.50"},
    {"standard_two_groups", Standard, -1234567.891, kEnglish, "-1,234,567.89"},
    {"standard_three_digits_no_group", Standard, 999.99, kEnglish, "999.99"},
    {"standard_rounds_into_group", Standard, 999.999, kEnglish, "1,000.00"},
    {"standard_tie_away", Standard, 0.125, kEnglish, "0.13"},
    {"standard_negative_tie_away", Standard, -0.125, kEnglish, "-0.13"},
    {"standard_below_tie", Standard, 1.005, kEnglish, "1.00"},
    // Where a double's steps are coarser than a cent, a tie still rounds by one cent.
    {"standard_tie_beyond_cents", Standard, 74542772381691.375, kEnglish,
     "74,542,772,381,691.38"},
    {"standard_negative_zero", Standard, -0.004, kEnglish, "0.00"},
    {"standard_single_max", Standard, 3.4028234663852886e38, kEnglish,
     "340,282,346,638,528,859,811,704,183,484,516,925,440.00"},
    {"standard_decimal_comma", Standard, 1234.5, kDecimalComma, "1.234,50"},
    {"standard_multibyte_group", Standard, 1234.5, kSpaceGrouped, "1\u00a0234,50"},
    {"whole_grouped", WholeGrouped, 1234.5, kEnglish, "1,235"},
    {"whole_tie_away", WholeGrouped, 2.5, kEnglish, "3"},
    {"whole_negative", WholeGrouped, -1234.4, kEnglish, "-1,234"},
    {"whole_negative_zero", WholeGrouped, -0.4, kEnglish, "0"},
    {"whole_decimal_comma", WholeGrouped, 1234567, kDecimalComma, "1.234.567"},
    {"conversion_two_decimals", ConversionFigure, 3.2, kEnglish, "3.20"},
    {"conversion_whole", ConversionFigure, 1, kEnglish, "1.00"},
    {"conversion_three_decimals", ConversionFigure, 1.23456, kEnglish, "1.235"},
    {"conversion_tie_away", ConversionFigure, 0.0625, kEnglish, "0.063"},
    {"conversion_no_grouping", ConversionFigure, 1234.5, kEnglish, "1234.50"},
    {"conversion_negative_zero", ConversionFigure, -0.0004, kEnglish, "0.00"},
    {"conversion_decimal_comma", ConversionFigure, 1.2345678, kDecimalComma, "1,235"},
};
INSTANTIATE_TEST_SUITE_P(Cases, NumberFormat, ::testing::ValuesIn(kNumberFormatCases),
                         caseName<FormatCase>);

TEST(NumberFormat, NonFiniteThrows) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_THROW(formatStandard(inf, kEnglish), ValuationFailure);
    EXPECT_THROW(formatWholeGrouped(-inf, kEnglish), ValuationFailure);
    EXPECT_THROW(formatConversionFigure(std::nan(""), kEnglish), ValuationFailure);
}

TEST(SinglePrecision, RangeEdges) {
    const double max = std::numeric_limits<float>::max();
    EXPECT_EQ(toSingle(max), std::numeric_limits<float>::max());
    EXPECT_EQ(toSingle(-max), -std::numeric_limits<float>::max());
    EXPECT_EQ(toSingle(0.1), 0.1f);
    EXPECT_THROW(toSingle(max * 1.000001), ValuationFailure);
    EXPECT_THROW(toSingle(-1e39), ValuationFailure);
    EXPECT_THROW(toSingle(std::nan("")), ValuationFailure);
}

} // namespace
