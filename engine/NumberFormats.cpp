#include "NumberFormats.h"

#include "ValuationFailure.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string_view>

namespace {

// Room for the 309 integer digits of the largest double, a sign, a point and decimals.
using FixedBuffer = std::array<char, 330>;

std::string_view toFixed(FixedBuffer& buffer, double value, int decimals) {
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

// A tie at `decimals` has at most decimals + 1 binary fraction digits; then the text with
// one decimal more is exact, and it is a tie when that decimal is 5.
bool isExactTie(double value, int decimals) {
    const double scaled = std::ldexp(value, decimals + 1);
    if (scaled != std::trunc(scaled))
        return false;
    FixedBuffer buffer;
    return toFixed(buffer, value, decimals + 1).back() == '5';
}

// The rounded digits in whole-number arithmetic, where it is exact: the double is
// m x 2^e with a 53-bit m, so m x 10^decimals fits 64 bits, and shifting it by e with the
// bits shifted out deciding the rounding (a half rounds away from zero) gives the digits
// exactly. Empty where the result would leave 64 bits: the general way takes those.
std::string_view quickRoundedDigits(FixedBuffer& buffer, double value, int decimals) {
    static_assert(std::numeric_limits<double>::is_iec559);
    constexpr std::uint64_t powers[] = {1, 10, 100, 1000};
    if (decimals < 0 || decimals > 3)
        return {};
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    std::uint64_t significand = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074; // subnormal
    if (biased != 0) {
        significand |= std::uint64_t{1} << 52;
        exponent = biased - 1075;
    }
    const std::uint64_t product = significand * powers[decimals];
    std::uint64_t count = 0;
    if (exponent >= 0) {
        if (exponent > 9 || (product >> (63 - exponent)) != 0)
            return {};
        count = product << exponent;
    } else if (exponent > -64) {
        const int shift = -exponent;
        count = product >> shift;
        const std::uint64_t rest = product & ((std::uint64_t{1} << shift) - 1);
        if (rest >= std::uint64_t{1} << (shift - 1))
            ++count;
    } // else below half of the last decimal: zero

    char* out = buffer.data();
    if (count != 0 && std::signbit(value))
        *out++ = '-';
    char* const end = buffer.data() + buffer.size();
    out = std::to_chars(out, end, count / powers[decimals]).ptr;
    if (decimals > 0) {
        *out++ = '.';
        std::uint64_t fraction = count % powers[decimals];
        for (int i = decimals - 1; i >= 0; --i) {
            out[i] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        out += decimals;
    }
    return {buffer.data(), static_cast<std::size_t>(out - buffer.data())};
}

// The rounded digits "[-]ddd[.dd]". std::to_chars rounds exact ties to even; such a tie is
// moved one step away from zero first so that it rounds away from zero.
std::string_view roundedDigits(FixedBuffer& buffer, double value, int decimals) {
    if (!std::isfinite(value))
        throw ValuationFailure("number cannot be formatted");
    if (const std::string_view quick = quickRoundedDigits(buffer, value, decimals); !quick.empty())
        return quick;
    if (isExactTie(value, decimals))
        value =
            std::nextafter(value, std::copysign(std::numeric_limits<double>::infinity(), value));
    std::string_view digits = toFixed(buffer, value, decimals);
    if (digits.front() == '-' && digits.find_first_of("123456789") == std::string_view::npos)
        digits.remove_prefix(1);
    return digits;
}

// Writes "[-]ddd[.dd]" with the locale's separators, grouping the integer digits by three.
void appendLocalized(std::string& out, std::string_view digits, bool grouped,
                     const NumberLocale& locale) {
    if (digits.front() == '-') {
        out += '-';
        digits.remove_prefix(1);
    }
    const auto point = digits.find('.');
    std::string_view whole = digits.substr(0, point);
    if (grouped) {
        std::size_t chunk = whole.size() % 3 == 0 ? 3 : whole.size() % 3;
        out.append(whole.substr(0, chunk));
        for (whole.remove_prefix(chunk); !whole.empty(); whole.remove_prefix(3)) {
            out += locale.groupSeparator;
            out.append(whole.substr(0, 3));
        }
    } else {
        out.append(whole);
    }
    if (point != std::string_view::npos) {
        out += locale.decimalSeparator;
        out.append(digits.substr(point + 1));
    }
}

} // namespace

void appendStandard(std::string& out, double value, const NumberLocale& locale) {
    FixedBuffer buffer;
    appendLocalized(out, roundedDigits(buffer, value, 2), true, locale);
}

std::string formatStandard(double value, const NumberLocale& locale) {
    std::string text;
    appendStandard(text, value, locale);
    return text;
}

std::string formatStandard(Currency amount, const NumberLocale& locale) {
    // In cents, as an unsigned count: the smallest amount has no positive counterpart.
    const bool negative = amount.tenThousandths < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(amount.tenThousandths)
                 : static_cast<std::uint64_t>(amount.tenThousandths);
    const std::uint64_t cents = (magnitude + 50) / 100;
    std::array<char, 24> number;
    char* end = std::to_chars(number.data(), number.data() + number.size(), cents / 100).ptr;
    *end++ = '.';
    *end++ = static_cast<char>('0' + cents % 100 / 10);
    *end++ = static_cast<char>('0' + cents % 10);
    std::string digits = negative && cents != 0 ? "-" : "";
    digits.append(number.data(), end);
    std::string text;
    appendLocalized(text, digits, true, locale);
    return text;
}

void appendWholeGrouped(std::string& out, double value, const NumberLocale& locale) {
    FixedBuffer buffer;
    appendLocalized(out, roundedDigits(buffer, value, 0), true, locale);
}

std::string formatWholeGrouped(double value, const NumberLocale& locale) {
    std::string text;
    appendWholeGrouped(text, value, locale);
    return text;
}

std::string formatConversionFigure(double value, const NumberLocale& locale) {
    FixedBuffer buffer;
    std::string_view digits = roundedDigits(buffer, value, 3);
    if (digits.back() == '0')
        digits.remove_suffix(1);
    std::string text;
    appendLocalized(text, digits, false, locale);
    return text;
}

std::string formatWholeNumber(long long value) {
    std::array<char, 24> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}
