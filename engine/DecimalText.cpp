#include "DecimalText.h"

#include <charconv>
#include <system_error>

void DecimalText::spillAndAppend(char c) {
    if (spill_.empty())
        spill_.assign(inline_.data(), inline_.size());
    spill_.push_back(c);
}

namespace {

// from_chars reports both overflow and underflow as out of range. The decimal magnitude of
// the first significant digit plus the exponent tells them apart; out of range it is far
// from zero either way. Exponents may be anything a text can hold, so the sum is never
// formed: the magnitude is bounded by the text's length, the exponent is not.
bool isAboveDoubleRange(std::string_view compact) {
    const auto mark = compact.find_first_of("eE");
    const std::string_view mantissa = compact.substr(0, mark);
    const auto first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return false;
    auto point = mantissa.find('.');
    if (point == std::string_view::npos)
        point = mantissa.size();
    // The value lies in [10^(magnitude - 1), 10^magnitude).
    const long long magnitude = first < point ? static_cast<long long>(point - first)
                                              : -static_cast<long long>(first - point - 1);
    if (mark == std::string_view::npos)
        return magnitude > 0;

    const std::string_view digits = compact.substr(mark + 1);
    const bool negative = !digits.empty() && digits.front() == '-';
    const bool plus = !digits.empty() && digits.front() == '+';
    long long exponent = 0;
    const auto [end, ec] =
        std::from_chars(digits.data() + (plus ? 1 : 0), digits.data() + digits.size(), exponent);
    if (ec == std::errc::result_out_of_range)
        return !negative; // beyond 64 bits: no text has the digits to make up for it
    return exponent > -magnitude;
}

} // namespace

std::optional<double> parseDecimal(std::string_view compact) {
    double value = 0.0;
    const auto [end, ec] = std::from_chars(compact.data(), compact.data() + compact.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (isAboveDoubleRange(compact))
            return std::nullopt;
        return compact.front() == '-' ? -0.0 : 0.0;
    }
    return value;
}
