#pragma once

// (1 + rate) ^ years in double precision: the compound-growth factor, and the discount
// factor when divided by. The single-precision rate is widened before 1 is added. A power
// without a finite result (a negative base with a fractional exponent, 0 to a negative power,
// or a result beyond the double range) is a ValuationFailure, as the arithmetic cannot carry
// it out; an underflow to 0 is not.
double compoundFactor(float rate, double years);
