#pragma once

#include "NumberLocale.h"
#include "ValuationSheet.h"
#include "ValuationState.h"

// The one place where the theoretic value of a share is computed.
//
//   parameter texts (sheet rows 1-5) --leading-number rule, with the locale's decimal
//   separator--> state, single precision
//   --> validation: "?", "Annual Earnings missing", "Yield missing", "Term missing"
//   --> end earnings E(1+g)^T, capitalised at y, discounted over T
//       + dividends D(1+g)^i discounted over i, years 1 to floor(T)
//   --> value box text by band: 0 | below 5 | below 30 (cut to one decimal) | "#,###"
//
// Every result is rounded to single precision as it is stored; only the powers and the
// expressions around them run in double precision. Any failure on the way (overflow, NaN,
// division by zero, a failing sheet) ends the computation with "Missing or incorrect data".
// The detail table is hidden and the grid's current column set to 1 on every call.

enum class ValuationOutcome { ValueShown, MessageShown };

ValuationOutcome ComputeValuation(ValuationSheet& sheet, ValuationState& state,
                                  const NumberLocale& locale);
