#include "CompoundFactor.h"

#include "ValuationFailure.h"

#include <cmath>

double compoundFactor(float rate, double years) {
    const double factor = std::pow(1.0 + static_cast<double>(rate), years);
    if (!std::isfinite(factor))
        throw ValuationFailure("compound factor without a finite result");
    return factor;
}
