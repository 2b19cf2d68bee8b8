#include "Currency.h"

#include "ValuationFailure.h"

#include <cmath>
#include <limits>

namespace {

constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
constexpr auto kMin = std::numeric_limits<std::int64_t>::min();

} // namespace

Currency Currency::fromDouble(double value) {
    const double scaled = std::nearbyint(value * 10000.0);
    // 2^63 is exactly representable; everything from there up does not fit.
    if (!(scaled >= -9223372036854775808.0 && scaled < 9223372036854775808.0))
        throw ValuationFailure("currency overflow");
    return Currency{static_cast<std::int64_t>(scaled)};
}

Currency& Currency::operator+=(Currency other) {
    const std::int64_t b = other.tenThousandths;
    if ((b > 0 && tenThousandths > kMax - b) || (b < 0 && tenThousandths < kMin - b))
        throw ValuationFailure("currency overflow");
    tenThousandths += b;
    return *this;
}
