// The text the step commands write back into a cell: it must read back as the number the
// cell holds, pass the locale's numeric test, use the locale's decimal separator, and stay as
// plain as before for ordinary values.

#include "engine/CellNumberText.h"
#include "engine/LeadingNumber.h"
#include "engine/LocaleNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace {

const NumberLocale kEnglish{".", ","};
const NumberLocale kDecimalComma{",", "."};
const NumberLocale kSpaceGrouped{",", "\u00a0"};
// Groups with its own decimal character: neither separator can be written.
const NumberLocale kClashing{",", ","};

constexpr double kLargest = std::numeric_limits<double>::max();

struct CellTextCase {
    const char* name;
    double value;
    NumberLocale locale;
    std::string text;
};
void PrintTo(const CellTextCase& c, std::ostream* os) {
    *os << c.name;
}

class CellNumberText : public ::testing::TestWithParam<CellTextCase> {};

TEST_P(CellNumberText, Writes) {
    EXPECT_EQ(cellNumberText(GetParam().value, GetParam().locale), GetParam().text);
}

const CellTextCase kCellTextCases[] = {
    {"whole", 1, kEnglish, "1"},
    {"half", 1.5, kEnglish, "1.5"},
    {"tenth_plus_one", 0.1 + 1, kEnglish, "1.1"},
    {"tenth_minus_one", 0.1 - 1, kEnglish, "-0.9"},
    {"million_stays_plain", 1e6, kEnglish, "1000000"},
    {"fifteen_digits_stay_plain", 123456789012345.0, kEnglish, "123456789012345"},
    {"sum_lost_in_a_large_number", 1e20 + 1, kEnglish, "1e+20"},
    {"small_plain", 0.0001, kEnglish, "0.0001"},
    {"smaller_in_exponent_form", 0.00001, kEnglish, "1e-05"},
    {"binary_noise_rounded_away", 1.1 - 1, kEnglish, "0.1"},
    {"fifteen_digits_rounded", 1.0 / 3, kEnglish, "0.333333333333333"},
    {"largest_double", kLargest, kEnglish, "1.7976931348623157e+308"},
    {"largest_negative_double", -kLargest, kEnglish, "-1.7976931348623157e+308"},
    {"next_to_largest_double", std::nextafter(kLargest, 0.0), kEnglish, "1.7976931348623155e+308"},
    {"third_below_the_top", 1.7976931348623151e308, kEnglish, "1.7976931348623151e+308"},
    {"fourth_below_the_top_rounds_within_range", 1.797693134862315e308, kEnglish,
     "1.79769313486231e+308"},
    {"rounds_to_the_top_within_range", 9.999999999999999e307, kEnglish, "1e+308"},
    {"decimal_comma_step_sum", 1.5 + 1, kDecimalComma, "2,5"},
    {"decimal_comma_noise_rounded_away", 0.1 - 1, kDecimalComma, "-0,9"},
    {"decimal_comma_largest_double", kLargest, kDecimalComma, "1,7976931348623157e+308"},
    {"decimal_comma_exponent_form", 1.5e-7, kDecimalComma, "1,5e-07"},
    {"decimal_comma_whole", 42, kDecimalComma, "42"},
    {"decimal_comma_million_ungrouped", 1e6, kDecimalComma, "1000000"},
    {"no_period_in_locale_fraction", 1.5, kSpaceGrouped, "1,5"},
    {"no_period_in_locale_small_negative", -0.0025, kSpaceGrouped, "-0,0025"},
    {"no_period_in_locale_whole", 1e6, kSpaceGrouped, "1000000"},
    {"clashing_separators_fraction_without_point", 1.5, kClashing, "15e-1"},
    {"clashing_separators_small_negative", -0.0025, kClashing, "-25e-4"},
    {"clashing_separators_exponent_form", 1.5e-7, kClashing, "15e-8"},
    {"clashing_separators_largest_double", kLargest, kClashing, "17976931348623157e+292"},
};
INSTANTIATE_TEST_SUITE_P(Cases, CellNumberText, ::testing::ValuesIn(kCellTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Whatever the value and the locale: the text passes the editor's numeric test, has no
// decimal character but the locale's, and reads back (as the computation reads the cell) as
// a number within fifteen digits of the value that, written again, gives the same text (so
// the cell holds exactly what it shows).
TEST(CellNumberText, ReadsBackInEveryLocale) {
    const double values[] = {kLargest,
                             -kLargest,
                             std::nextafter(kLargest, 0.0),
                             1.7976931348623150e308,
                             1e308,
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             1.0 / 3,
                             -2.0 / 3,
                             0.1 + 0.2,
                             9007199254740994.0,
                             1e15 + 0.3,
                             -123456.789,
                             1.2345678901234567e-300,
                             0.0,
                             -1.0};
    for (const NumberLocale& locale : {kEnglish, kDecimalComma, kSpaceGrouped, kClashing}) {
        const char foreignPoint = locale.decimalSeparator == "." ? ',' : '.';
        for (const double value : values) {
            const std::string text = cellNumberText(value, locale);
            SCOPED_TRACE(text + " in the locale with \"" + locale.decimalSeparator + "\"");
            const double read = readLeadingNumber(text, locale);
            EXPECT_NEAR(read, value, std::abs(value) * 5e-15);
            EXPECT_EQ(cellNumberText(read, locale), text);
            EXPECT_EQ(readLocaleNumber(text, locale), read);
            EXPECT_EQ(text.find(foreignPoint), std::string::npos);
        }
    }
}

} // namespace
