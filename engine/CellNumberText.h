#pragma once

#include "NumberLocale.h"

#include <string>

// The text a computed parameter is written back into its grid cell as (the sums of the step
// commands). The cell then holds exactly the number the text reads back as, by the
// leading-number rule, and the text passes the locale's numeric test, so that loading the
// cell into the editor again raises no "Invalid entry":
// - the number rounded to fifteen significant digits, which keeps sums free of binary noise
//   (1.1 - 1 writes 0.1), laid out as printf's %g lays it out: 1, 1.5, 1000000, 1e+20;
// - but where that rounding would carry it beyond the double range, the number in full, in
//   the fewest digits that read back as itself: 1.7976931348623157e+308;
// - a period as the decimal point whatever the locale, never the locale's own separator;
// - the same digits without a point where the locale would read the point otherwise (one
//   that groups with the period takes 1.7976931348623157e+308 for a number beyond the
//   range): 17976931348623157e+292.
// The value must be finite.
std::string cellNumberText(double value, const NumberLocale& locale);
