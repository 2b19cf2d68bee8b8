// The value-box reader that the fuzzers and the soak judge the program by: it must accept
// every text the value box may show and refuse the near misses a broken format would give.

#include "ValueBoxText.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace {

const NumberLocale kEnglish{".", ","};
const NumberLocale kDecimalComma{",", "."};
const NumberLocale kSpaceGrouped{",", "\u00a0"};
const NumberLocale kUngrouped{".", ""};

struct ShownCase {
    const char* name;
    std::string text;
    NumberLocale locale;
    std::optional<double> number; // nullopt: not a value the box may show
    int decimals = 0;
    bool noDividends = false;
};
void PrintTo(const ShownCase& c, std::ostream* os) {
    *os << c.name;
}

class ShownValues : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShownValues, ReadOrRefused) {
    const ShownCase& c = GetParam();
    const std::optional<ShownValue> shown = readShownValue(c.text, c.locale);
    ASSERT_EQ(shown.has_value(), c.number.has_value());
    if (!shown)
        return;
    EXPECT_DOUBLE_EQ(shown->number, *c.number);
    EXPECT_EQ(shown->decimals, c.decimals);
    EXPECT_EQ(shown->noDividends, c.noDividends);
}

const ShownCase kShownCases[] = {
    {"bare_zero", "0", kEnglish, 0.0, 0},
    {"standard_below_five", "1.82 (No dividends)", kEnglish, 1.82, 2, true},
    {"cut_band", "20.30", kEnglish, 20.3, 2},
    {"whole_band", "43", kEnglish, 43, 0},
    {"whole_band_grouped", "1,234,568", kEnglish, 1234568, 0},
    {"negative_grouped", "-12,345.60", kEnglish, -12345.6, 2},
    {"rounds_to_zero", "0.00", kEnglish, 0.0, 2},
    {"decimal_comma", "-1.234,50", kDecimalComma, -1234.5, 2},
    {"decimal_comma_whole", "1.235", kDecimalComma, 1235, 0},
    {"multi_byte_group", "1\u00a0000", kSpaceGrouped, 1000, 0},
    {"ungrouped_locale", "1234567", kUngrouped, 1234567, 0},
    // Near misses.
    {"one_decimal", "20.3", kEnglish, std::nullopt},
    {"three_decimals", "1.825", kEnglish, std::nullopt},
    {"whole_below_thirty", "29", kEnglish, std::nullopt},
    {"decimals_from_thirty", "30.00", kEnglish, std::nullopt},
    {"misplaced_group", "12,34", kEnglish, std::nullopt},
    {"group_of_four", "1,2345", kEnglish, std::nullopt},
    {"leading_zero", "01.50", kEnglish, std::nullopt},
    {"negative_zero", "-0.00", kEnglish, std::nullopt},
    {"zero_with_note", "0 (No dividends)", kEnglish, std::nullopt},
    {"wrong_separator", "1,50", kEnglish, std::nullopt},
    {"other_locale", "1.234,50", kEnglish, std::nullopt},
    {"note_without_blank", "1.50(No dividends)", kEnglish, std::nullopt},
    {"empty", "", kEnglish, std::nullopt},
    {"message", "Yield missing", kEnglish, std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Texts, ShownValues, ::testing::ValuesIn(kShownCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ValueBoxText, TheFiveMessagesExactly) {
    for (const char* message : {"?", "Annual Earnings missing", "Yield missing", "Term missing",
                                "Missing or incorrect data"})
        EXPECT_TRUE(isValueBoxText(message, kEnglish)) << message;
    for (const char* near : {"", "??", "yield missing", "Term missing ", "Missing"})
        EXPECT_FALSE(isValueBoxText(near, kEnglish)) << '"' << near << '"';
}

TEST(ValueBoxText, FormattedNumbersOfEitherKind) {
    EXPECT_EQ(readFormattedNumber("12,345", 0, kEnglish), 12345);
    EXPECT_EQ(readFormattedNumber("-0.01", 2, kEnglish), -0.01);
    EXPECT_EQ(readFormattedNumber("1.235", 3, NumberLocale{".", ""}), 1.235);
    EXPECT_FALSE(readFormattedNumber("12,345", 2, kEnglish));
    EXPECT_FALSE(readFormattedNumber("-0", 0, kEnglish));
    EXPECT_FALSE(readFormattedNumber("1.5", 2, kEnglish));
}

} // namespace
