#pragma once

#include <stdexcept>

// The one error of the engine's arithmetic: an overflow of the single-precision range, a NaN,
// a division or power that has no finite result, a number that cannot be read. Whoever runs
// a computation traps it in one place and shows the fixed message.
class ValuationFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
