#include "SinglePrecision.h"

#include "ValuationFailure.h"

#include <cmath>
#include <limits>

float toSingle(double value) {
    // The negated test also catches NaN. Converting an out-of-range double to float is
    // undefined behaviour in C++, so the range is checked before the cast.
    if (!(std::fabs(value) <= std::numeric_limits<float>::max()))
        throw ValuationFailure("result outside the single-precision range");
    return static_cast<float>(value);
}
