#include "Valuation.h"

#include "CompoundFactor.h"
#include "LeadingNumber.h"
#include "NumberFormats.h"
#include "SinglePrecision.h"
#include "YearCount.h"

#include <cmath>
#include <cstddef>
#include <exception>
#include <string>
#include <string_view>

namespace {

// Stores each parameter as soon as it is read: a failure part-way leaves the earlier ones.
void readParameters(const ParameterTexts& cells, ValuationState& state,
                    const NumberLocale& locale) {
    float* const fields[] = {&state.earnings, &state.dividends, &state.growthPercent,
                             &state.termYears, &state.yieldPercent};
    for (std::size_t row = 0; row < cells.size(); ++row)
        *fields[row] = toSingle(readLeadingNumber(cells[row], locale));
}

// First match wins; nullptr when the indispensable parameters are present.
const char* missingParameterMessage(const ValuationState& state) {
    if (state.earnings == 0 && state.yieldPercent == 0 && state.termYears == 0)
        return "?";
    if (state.earnings == 0)
        return "Annual Earnings missing";
    if (state.yieldPercent == 0)
        return "Yield missing";
    if (state.termYears == 0)
        return "Term missing";
    return nullptr;
}

// Stores the present value of the end value before adding the dividends, so that a failure
// in the dividend years leaves it in the state.
void computeTheoreticValue(ValuationState& state) {
    const float y = toSingle(static_cast<double>(state.yieldPercent) / 100.0);
    const float g = toSingle(static_cast<double>(state.growthPercent) / 100.0);
    const double term = state.termYears;

    const float endEarnings = toSingle(state.earnings * compoundFactor(g, term));
    const float endValue = toSingle(static_cast<double>(endEarnings) / y);
    state.theoreticValue = toSingle(endValue / compoundFactor(y, term));

    float discountedDividends = 0.0f;
    const int years = wholeYears(state.termYears);
    for (int i = 1; i <= years; ++i) {
        const float dividend = toSingle(state.dividends * compoundFactor(g, i));
        discountedDividends = toSingle(discountedDividends + dividend / compoundFactor(y, i));
    }
    state.theoreticValue =
        toSingle(static_cast<double>(state.theoreticValue) + discountedDividends);
}

// The value box text of a successful computation; the bands go by the single value.
void appendValueText(std::string& text, float value, std::string_view dividendNote,
                     const NumberLocale& locale) {
    if (value == 0.0f) {
        text += '0';
        return;
    }
    if (value < 5.0f) {
        appendStandard(text, value, locale);
    } else if (value < 30.0f) {
        const float cut = std::trunc(value * 10.0f) / 10.0f;
        appendStandard(text, cut, locale);
    } else {
        appendWholeGrouped(text, value, locale);
    }
    text += dividendNote;
}

} // namespace

ValuationResult valuate(const ParameterTexts& cells, const ValuationState& before,
                        const NumberLocale& locale) {
    ValuationResult result;
    result.figures = before;
    ValuationState& state = result.figures;
    try {
        readParameters(cells, state, locale);
        const std::string_view dividendNote = state.dividends == 0 ? " (No dividends)" : "";

        if (const char* message = missingParameterMessage(state)) {
            result.valueText = message;
            return result;
        }
        computeTheoreticValue(state);
        appendValueText(result.valueText, state.theoreticValue, dividendNote, locale);
        result.outcome = ValuationOutcome::ValueShown;
    } catch (const std::exception&) {
        result.valueText = "Missing or incorrect data";
        result.outcome = ValuationOutcome::MessageShown;
    }
    return result;
}
