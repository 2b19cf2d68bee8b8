#pragma once

#include <cstdint>

// A fixed-point money amount in ten-thousandths, the type the detail table totals in, with
// the range of a signed 64-bit count: about ±922,337,203,685,477.5807. Leaving the range is a
// ValuationFailure.
struct Currency {
    std::int64_t tenThousandths = 0;

    // Rounded to the nearest ten-thousandth, ties to even.
    static Currency fromDouble(double value);
    double toDouble() const { return static_cast<double>(tenThousandths) / 10000.0; }

    Currency& operator+=(Currency other);
};
