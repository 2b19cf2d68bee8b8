#pragma once

#include "engine/NumberLocale.h"
#include "engine/ValuationState.h"

#include <array>
#include <string>

// The one place where the theoretic value of a share is computed: a function of the five
// parameter texts, the figures of the last valuation and the locale. It touches nothing
// else; whoever shows the result does the rest.
//
//   parameter texts (rows 1-5) --leading-number rule, with the locale's decimal
//   separator--> figures, single precision
//   --> validation: "?", "Annual Earnings missing", "Yield missing", "Term missing"
//   --> end earnings E(1+g)^T, capitalised at y, discounted over T
//       + dividends D(1+g)^i discounted over i, years 1 to floor(T)
//   --> value text by band: 0 | below 5 | below 30 (cut to one decimal) | "#,###"
//
// Every result is rounded to single precision as it is stored; only the powers and the
// expressions around them run in double precision. Any failure on the way (overflow, NaN,
// division by zero) ends the computation with "Missing or incorrect data".

// The value cells of the parameter rows 1 to 5, in order.
using ParameterTexts = std::array<std::string, 5>;

enum class ValuationOutcome { ValueShown, MessageShown };

struct ValuationResult {
    ValuationOutcome outcome = ValuationOutcome::MessageShown;
    // The value box's new text: the value, or the message that explains its absence.
    std::string valueText;
    // The figures before, with every update the computation made before it ended or failed:
    // the parameters as far as they were read, the value as far as it was computed.
    ValuationState figures;
};

ValuationResult valuate(const ParameterTexts& cells, const ValuationState& before,
                        const NumberLocale& locale);
