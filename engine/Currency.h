#pragma once

#include <cstdint>
#include <string_view>

// A fixed-point money amount in ten-thousandths, the type the detail table totals in, with
// the range of a signed 64-bit count: about ±922,337,203,685,477.5807. Leaving the range is a
// ValuationFailure.
struct Currency {
    std::int64_t tenThousandths = 0;

    // Exactly from a compacted decimal run ("-1234.5678", an exponent allowed, as the number
    // readers make it), rounded to the nearest ten-thousandth, ties to even; no double on the
    // way, so that amounts beyond a double's 15 digits keep their cents.
    static Currency fromDecimal(std::string_view compact);

    Currency& operator+=(Currency other);
};
