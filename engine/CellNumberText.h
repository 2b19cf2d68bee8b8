#pragma once

#include "NumberLocale.h"

#include <string>

// The text a computed parameter is written back into its grid cell as (the sums of the step
// commands). The cell then holds exactly the number the text reads back as, by the
// leading-number rule under the locale, and the text passes the locale's numeric test, so that
// loading the cell into the editor again raises no "Invalid entry":
// - the number rounded to fifteen significant digits, which keeps sums free of binary noise
//   (1.1 - 1 writes 0.1), laid out as printf's %g lays it out: 1, 1.5, 1000000, 1e+20;
// - but where that rounding would carry it beyond the double range, the number in full, in
//   the fewest digits that read back as itself: 1.7976931348623157e+308;
// - with the locale's decimal separator: 1.5, or 1,5 under a decimal comma;
// - the same digits without a separator where the locale's separators would not read back as
//   the number (a locale that groups with its own decimal character): 15e-1.
// The value must be finite.
std::string cellNumberText(double value, const NumberLocale& locale);
