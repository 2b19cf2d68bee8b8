#include "ValueBoxText.h"

#include <array>
#include <charconv>
#include <string>

namespace {

constexpr std::string_view kNoDividends = " (No dividends)";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Takes a run of digits of at most `most` characters (any length when `most` is 0).
std::size_t takeDigits(std::string_view& text, std::string& digits, std::size_t most) {
    std::size_t count = 0;
    while (!text.empty() && isDigit(text.front()) && (most == 0 || count < most)) {
        digits += text.front();
        text.remove_prefix(1);
        ++count;
    }
    return count;
}

// The integer part with its group separators: 1 to 3 digits, then groups of exactly three.
// A locale without a separator shows the digits in one run.
bool takeGroupedWhole(std::string_view& text, std::string& digits, std::string_view group) {
    const std::size_t start = digits.size();
    const std::size_t first = takeDigits(text, digits, group.empty() ? 0 : 3);
    if (first == 0 || (first > 1 && digits[start] == '0'))
        return false;
    if (group.empty())
        return true;
    while (text.starts_with(group)) {
        text.remove_prefix(group.size());
        if (takeDigits(text, digits, 3) != 3)
            return false;
    }
    return !isDigit(text.empty() ? ' ' : text.front());
}

} // namespace

bool isValuationMessage(std::string_view text) {
    constexpr std::array<std::string_view, 5> kMessages = {"?", "Annual Earnings missing",
                                                           "Yield missing", "Term missing",
                                                           "Missing or incorrect data"};
    for (std::string_view message : kMessages)
        if (text == message)
            return true;
    return false;
}

std::optional<double> readFormattedNumber(std::string_view text, int decimals,
                                          const NumberLocale& locale) {
    std::string digits;
    if (text.starts_with('-')) {
        digits += '-';
        text.remove_prefix(1);
    }
    if (!takeGroupedWhole(text, digits, locale.groupSeparator))
        return std::nullopt;
    if (decimals > 0) {
        if (!text.starts_with(locale.decimalSeparator))
            return std::nullopt;
        text.remove_prefix(locale.decimalSeparator.size());
        digits += '.';
        if (takeDigits(text, digits, 0) != static_cast<std::size_t>(decimals))
            return std::nullopt;
    }
    if (!text.empty())
        return std::nullopt;
    if (digits.starts_with('-') && digits.find_first_of("123456789") == std::string::npos)
        return std::nullopt; // a number that shows as zero has no sign
    double number = 0.0;
    std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return number;
}

std::optional<ShownValue> readShownValue(std::string_view text, const NumberLocale& locale) {
    if (text == "0")
        return ShownValue{0.0, 0, false};
    ShownValue shown;
    if (text.ends_with(kNoDividends)) {
        shown.noDividends = true;
        text.remove_suffix(kNoDividends.size());
    }
    // Whole numbers are shown from 30 on, two decimals below that.
    if (const auto whole = readFormattedNumber(text, 0, locale); whole && *whole >= 30.0) {
        shown.number = *whole;
        return shown;
    }
    if (const auto cents = readFormattedNumber(text, 2, locale); cents && *cents < 30.0) {
        shown.number = *cents;
        shown.decimals = 2;
        return shown;
    }
    return std::nullopt;
}

bool isValueBoxText(std::string_view text, const NumberLocale& locale) {
    return isValuationMessage(text) || readShownValue(text, locale).has_value();
}
