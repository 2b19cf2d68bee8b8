// The valuation over five arbitrary cell texts (earnings|dividends|growth|term|yield):
// the value box holds one of the five messages or a value formatted for its band, the
// message is the one the validation order names, and a shown value agrees with the
// projection computed here in double precision.

#include "engine/Valuation.h"
#include "FuzzInput.h"
#include "engine/LeadingNumber.h"
#include "engine/SinglePrecision.h"
#include "engine/ValuationFailure.h"
#include "tests/support/ValueBoxText.h"
#include "engine/YearCount.h"

#include <cmath>
#include <limits>
#include <string>

namespace {

// The figures as the cells read in the locale; NaN for a cell whose number the engine
// refuses.
float cellFigure(std::string_view text, const NumberLocale& locale) {
    try {
        return toSingle(readLeadingNumber(text, locale));
    } catch (const ValuationFailure&) {
        return std::numeric_limits<float>::quiet_NaN();
    }
}

void checkMessage(const std::string& text, const ValuationState& state) {
    FUZZ_CHECK(isValuationMessage(text));
    if (text == "Missing or incorrect data")
        return;
    const bool noEarnings = state.earnings == 0;
    const bool noYield = state.yieldPercent == 0;
    const bool noTerm = state.termYears == 0;
    if (text == "?")
        FUZZ_CHECK(noEarnings && noYield && noTerm);
    else if (text == "Annual Earnings missing")
        FUZZ_CHECK(noEarnings && !(noYield && noTerm));
    else if (text == "Yield missing")
        FUZZ_CHECK(!noEarnings && noYield);
    else
        FUZZ_CHECK(!noEarnings && !noYield && noTerm);
}

// The projection in double precision, and the size of its terms, which bounds the error
// that single-precision storage of each step may add. A step stored below the normal single
// range keeps only a few bits, and a later division by a tiny factor can blow that error up
// to any size: such a projection is not compared.
struct Reference {
    double value = 0.0;
    double magnitude = 0.0;
    bool comparable = true;
};

bool belowNormalSingle(double stored) {
    return stored != 0 && std::fabs(stored) < std::numeric_limits<float>::min();
}

Reference referenceValue(const ValuationState& s) {
    // The rates are single precision by definition; near a growth of -100 % a power of the
    // rate in double would differ from it by far more than rounding.
    const double y = static_cast<float>(s.yieldPercent / 100.0);
    const double g = static_cast<float>(s.growthPercent / 100.0);
    const double term = s.termYears;
    Reference ref;
    const double endEarnings = s.earnings * std::pow(1 + g, term);
    ref.comparable = !belowNormalSingle(y) && !belowNormalSingle(g) &&
                     !belowNormalSingle(endEarnings) && !belowNormalSingle(endEarnings / y);
    ref.value = endEarnings / y / std::pow(1 + y, term);
    ref.magnitude = std::fabs(ref.value);
    const int years = wholeYears(s.termYears);
    for (int i = 1; i <= years; ++i) {
        const double dividend = s.dividends * std::pow(1 + g, i);
        ref.comparable = ref.comparable && !belowNormalSingle(dividend);
        const double present = dividend / std::pow(1 + y, i);
        ref.value += present;
        ref.magnitude += std::fabs(present);
    }
    return ref;
}

void checkValue(const std::string& text, const ValuationState& state, const NumberLocale& locale) {
    const std::optional<ShownValue> shown = readShownValue(text, locale);
    FUZZ_CHECK(shown.has_value());
    const float value = state.theoreticValue;
    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(state.earnings != 0 && state.yieldPercent != 0 && state.termYears != 0);
    FUZZ_CHECK(shown->noDividends == (state.dividends == 0 && value != 0));

    const double slack = std::fabs(value) * 1e-15;
    if (value == 0) {
        FUZZ_CHECK(text == "0");
    } else if (value < 5) {
        FUZZ_CHECK(shown->decimals == 2);
        FUZZ_CHECK(std::fabs(shown->number - value) <= 0.005 + slack);
    } else if (value < 30) {
        // Cut, not rounded, to one decimal; the product by 10 is single precision, so
        // 10.3999996 may be cut from 104.
        FUZZ_CHECK(shown->decimals == 2 && shown->number <= value * (1 + 1e-6));
        FUZZ_CHECK(value - shown->number < 0.1 + 1e-5);
    } else {
        FUZZ_CHECK(shown->decimals == 0);
        FUZZ_CHECK(std::fabs(shown->number - value) <= 0.5 + slack);
    }

    const Reference ref = referenceValue(state);
    const double years = std::max(1, wholeYears(state.termYears));
    const double tolerance = ref.magnitude * 1e-6 * (years + 10) + 1e-30;
    FUZZ_CHECK(!ref.comparable || std::fabs(value - ref.value) <= tolerance);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = splitFuzzInput(data, size, 5);
    const auto& f = input.fields;
    const ParameterTexts cells{std::string(f[0]), std::string(f[1]), std::string(f[2]),
                               std::string(f[3]), std::string(f[4])};
    const ValuationResult result = valuate(cells, ValuationState{}, input.locale);
    const ValuationState& state = result.figures;

    if (result.outcome == ValuationOutcome::MessageShown) {
        checkMessage(result.valueText, state);
    } else {
        const NumberLocale& l = input.locale;
        FUZZ_CHECK(
            state.earnings == cellFigure(f[0], l) && state.dividends == cellFigure(f[1], l) &&
            state.growthPercent == cellFigure(f[2], l) && state.termYears == cellFigure(f[3], l) &&
            state.yieldPercent == cellFigure(f[4], l));
        checkValue(result.valueText, state, input.locale);
    }

    // The same cells give the same text again, whatever the figures before.
    FUZZ_CHECK(valuate(cells, state, input.locale).valueText == result.valueText);
    return 0;
}
