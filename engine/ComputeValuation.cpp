#include "ComputeValuation.h"

#include "CompoundFactor.h"
#include "LeadingNumber.h"
#include "NumberFormats.h"
#include "SinglePrecision.h"
#include "YearCount.h"

#include <cmath>
#include <exception>
#include <string>
#include <string_view>

namespace {

float readParameter(const ValuationSheet& sheet, int row, const NumberLocale& locale) {
    return toSingle(readLeadingNumber(sheet.parameterText(row), locale));
}

// Stores each parameter as soon as it is read: a failure part-way leaves the earlier ones.
void readParameters(const ValuationSheet& sheet, ValuationState& state,
                    const NumberLocale& locale) {
    state.earnings = readParameter(sheet, 1, locale);
    state.dividends = readParameter(sheet, 2, locale);
    state.growthPercent = readParameter(sheet, 3, locale);
    state.termYears = readParameter(sheet, 4, locale);
    state.yieldPercent = readParameter(sheet, 5, locale);
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

ValuationOutcome ComputeValuation(ValuationSheet& sheet, ValuationState& state,
                                  const NumberLocale& locale) {
    try {
        sheet.hideDetailTable();
        sheet.setCurrentColumn(1);
        readParameters(sheet, state, locale);
        const std::string_view dividendNote = state.dividends == 0 ? " (No dividends)" : "";

        if (const char* message = missingParameterMessage(state)) {
            sheet.setValueText(message);
            return ValuationOutcome::MessageShown;
        }
        computeTheoreticValue(state);

        // Reused between calls so that a computation does not allocate once it has grown.
        thread_local std::string valueText;
        valueText.clear();
        appendValueText(valueText, state.theoreticValue, dividendNote, locale);
        sheet.setValueText(valueText);
        return ValuationOutcome::ValueShown;
    } catch (const std::exception&) {
        sheet.setValueText("Missing or incorrect data");
        return ValuationOutcome::MessageShown;
    }
}
