#pragma once

// The computation stores every intermediate result in single precision; this is the one
// place where a double becomes a float, so that an overflow or a NaN anywhere in the
// arithmetic (a division by zero, a negative base raised to a fractional power) surfaces as
// a ValuationFailure instead of travelling on as infinity.
float toSingle(double value);
