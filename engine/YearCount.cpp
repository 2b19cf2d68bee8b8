#include "YearCount.h"

#include "ValuationFailure.h"

#include <cmath>
#include <cstdint>
#include <limits>

int wholeYears(float termYears) {
    if (!(termYears >= 1.0f))
        return 0;
    if (!(termYears < std::numeric_limits<std::int16_t>::max() + 1.0f))
        throw ValuationFailure("year counter overflow");
    return static_cast<int>(std::floor(termYears));
}
