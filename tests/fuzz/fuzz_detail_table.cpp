// The detail table's arithmetic over arbitrary figures (earnings|dividends|growth|term|yield,
// each read by the leading-number rule into single precision): either ValuationFailure or a
// complete table whose every money cell is a "Standard" text, whose rows match the whole
// years of the term and whose total is the sum of the present values shown.

#include "engine/DetailTable.h"
#include "FuzzInput.h"
#include "engine/LeadingNumber.h"
#include "engine/SinglePrecision.h"
#include "engine/ValuationFailure.h"
#include "tests/support/ValueBoxText.h"
#include "engine/YearCount.h"

#include <cmath>
#include <optional>
#include <string>

namespace {

std::optional<float> figure(std::string_view text) {
    try {
        return toSingle(readLeadingNumber(text));
    } catch (const ValuationFailure&) {
        return std::nullopt;
    }
}

double money(const std::string& cell, const NumberLocale& locale) {
    const std::optional<double> value = readFormattedNumber(cell, 2, locale);
    FUZZ_CHECK(value.has_value());
    return *value;
}

void checkTable(const DetailTable& table, const ValuationState& state, const NumberLocale& locale) {
    const int years = wholeYears(state.termYears);
    FUZZ_CHECK(years >= 1);
    FUZZ_CHECK(table.rows.size() == static_cast<std::size_t>(years) + 2);
    FUZZ_CHECK((table.rows[0] ==
                std::array<std::string, DetailTable::kColumns>{"Year", "Earnings", "Dividends",
                                                               "End Value", "Present value"}));
    const double g = static_cast<float>(state.growthPercent / 100.0);
    double sum = 0.0;
    double magnitude = 0.0;
    for (int i = 1; i <= years; ++i) {
        const auto& row = table.rows[static_cast<std::size_t>(i)];
        FUZZ_CHECK(row[0] == std::to_string(i));
        const double earnings = money(row[1], locale);
        const double expected = state.earnings * std::pow(1.0 + g, i);
        FUZZ_CHECK(std::fabs(earnings - expected) <= 0.005 + std::fabs(expected) * 1e-12);
        money(row[2], locale);
        if (i == years)
            money(row[3], locale); // the end value
        else
            FUZZ_CHECK(row[3].empty());
        const double present = money(row[4], locale);
        sum += present;
        magnitude += std::fabs(present);
    }
    const auto& valuation = table.rows.back();
    FUZZ_CHECK(valuation[0].empty() && valuation[1].empty() && valuation[2].empty());
    FUZZ_CHECK(valuation[3] == "Valuation");
    const double total = money(valuation[4], locale);
    // The cents add up exactly; the double sum here may blur them when they are many.
    FUZZ_CHECK(std::fabs(total - sum) <= 0.005 + magnitude * 1e-13);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = splitFuzzInput(data, size, 5);
    ValuationState state;
    float* fields[] = {&state.earnings, &state.dividends, &state.growthPercent, &state.termYears,
                       &state.yieldPercent};
    for (std::size_t i = 0; i < 5; ++i) {
        const std::optional<float> value = figure(input.fields[i]);
        if (!value)
            return 0;
        *fields[i] = *value;
    }
    // Long tables only repeat the rows of short ones, slowly; the year counter's limit at
    // 32767 is still reached, as it fails before any row is built.
    if (state.termYears >= 1000 && state.termYears < 32768)
        return 0;
    DetailTable table;
    try {
        table = buildDetailTable(state, input.locale);
    } catch (const ValuationFailure&) {
        return 0;
    }
    checkTable(table, state, input.locale);
    return 0;
}
