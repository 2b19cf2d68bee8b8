#include "Currency.h"

#include "ValuationFailure.h"

#include <charconv>
#include <limits>
#include <string>

namespace {

constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
constexpr auto kMin = std::numeric_limits<std::int64_t>::min();

} // namespace

Currency Currency::fromDecimal(std::string_view compact) {
    const bool negative = compact.starts_with('-');
    if (negative)
        compact.remove_prefix(1);
    long long exponent = 0;
    if (const auto e = compact.find('e'); e != std::string_view::npos) {
        std::string_view power = compact.substr(e + 1);
        if (power.starts_with('+'))
            power.remove_prefix(1);
        const char* last = power.data() + power.size();
        const auto [end, error] = std::from_chars(power.data(), last, exponent);
        if (error != std::errc() || end != last)
            throw ValuationFailure("currency text has a bad exponent");
        compact = compact.substr(0, e);
    }
    // The significant digits as one run, and how many of them stand before the point.
    std::string digits;
    long long whole = -1;
    for (const char c : compact) {
        if (c == '.')
            whole = static_cast<long long>(digits.size());
        else if (c != '0' || !digits.empty())
            digits += c;
        else if (whole >= 0)
            --exponent; // a zero between the point and the first significant digit
    }
    if (whole < 0)
        whole = static_cast<long long>(digits.size());
    if (digits.empty())
        return Currency{};
    // Digits kept: those down to the ten-thousandths. With a first digit that is not zero,
    // more than 19 of them are beyond the range.
    const long long kept = whole + exponent + 4;
    if (kept > 19)
        throw ValuationFailure("currency overflow");

    std::int64_t count = 0;
    for (long long i = 0; i < kept; ++i) {
        const int digit =
            i < static_cast<long long>(digits.size()) ? digits[static_cast<std::size_t>(i)] - '0' : 0;
        if (count > (kMax - digit) / 10)
            throw ValuationFailure("currency overflow");
        count = count * 10 + digit;
    }
    // The dropped digits round the last kept one: above a half up, a half to even.
    if (kept >= 0 && kept < static_cast<long long>(digits.size())) {
        const std::string_view rest = std::string_view(digits).substr(static_cast<std::size_t>(kept));
        const bool beyondHalf = rest.find_first_not_of('0', 1) != std::string_view::npos;
        if (rest.front() > '5' || (rest.front() == '5' && (beyondHalf || count % 2 != 0))) {
            if (count == kMax)
                throw ValuationFailure("currency overflow");
            ++count;
        }
    }
    return Currency{negative ? -count : count};
}

Currency& Currency::operator+=(Currency other) {
    const std::int64_t b = other.tenThousandths;
    if ((b > 0 && tenThousandths > kMax - b) || (b < 0 && tenThousandths < kMin - b))
        throw ValuationFailure("currency overflow");
    tenThousandths += b;
    return *this;
}
