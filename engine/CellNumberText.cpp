#include "CellNumberText.h"

#include "LeadingNumber.h"
#include "LocaleNumber.h"
#include "ValuationFailure.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <optional>

namespace {

constexpr int plainDigits = 15;

// printf's %.15g, independent of the C locale.
std::string plainDigitsText(double value) {
    std::array<char, 40> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::general, plainDigits);
    return std::string(buffer.data(), end);
}

// The fewest significant digits that read back as `value` itself, laid out as %g would.
std::string roundTripText(double value) {
    std::array<char, 40> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::general);
    return std::string(buffer.data(), end);
}

// The number the text reads back as, by the leading-number rule; none beyond the range.
std::optional<double> readBack(const std::string& text, const NumberLocale& locale) {
    try {
        return readLeadingNumber(text, locale);
    } catch (const ValuationFailure&) {
        return std::nullopt;
    }
}

// The period of a plain text replaced by the locale's decimal separator.
std::string withDecimalSeparator(std::string text, const std::string& separator) {
    const auto point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, separator);
    return text;
}

// Both readers of a cell, the computation's and the editor's, take the text for `value`.
bool readsBackAs(const std::string& text, double value, const NumberLocale& locale) {
    return readBack(text, locale) == value && readLocaleNumber(text, locale) == value;
}

// "1.7976931348623157e+308" as "17976931348623157e+292", "-0.0025" as "-25e-4": the digits
// without the point, the exponent making up for it.
std::string withoutPoint(const std::string& text) {
    const auto mark = text.find('e');
    std::string mantissa = text.substr(0, mark);
    long long exponent = 0;
    if (mark != std::string::npos) {
        const std::size_t digits = mark + 1 + (text[mark + 1] == '+' ? 1 : 0);
        std::from_chars(text.data() + digits, text.data() + text.size(), exponent);
    }
    const auto point = mantissa.find('.');
    if (point == std::string::npos)
        return text;
    exponent -= static_cast<long long>(mantissa.size() - point - 1);
    mantissa.erase(point, 1);
    // The zeros that led a fraction ("0.0025") carry no value any more.
    const std::size_t sign = mantissa.front() == '-' ? 1 : 0;
    const auto firstDigit = mantissa.find_first_not_of('0', sign);
    if (firstDigit != std::string::npos)
        mantissa.erase(sign, firstDigit - sign);
    if (exponent == 0)
        return mantissa;
    return mantissa + (exponent > 0 ? "e+" : "e-") + std::to_string(std::llabs(exponent));
}

} // namespace

std::string cellNumberText(double value, const NumberLocale& locale) {
    const NumberLocale periodOnly;
    std::string text = plainDigitsText(value);
    std::optional<double> written = readBack(text, periodOnly);
    // Rounded to fifteen digits, a number at the top of the range lies beyond it: it is
    // written in full instead.
    if (!written) {
        text = roundTripText(value);
        written = readBack(text, periodOnly);
    }
    std::string localized = withDecimalSeparator(text, locale.decimalSeparator);
    if (written && readsBackAs(localized, *written, locale))
        return localized;
    return withoutPoint(text);
}
