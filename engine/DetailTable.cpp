#include "DetailTable.h"

#include "CompoundFactor.h"
#include "Currency.h"
#include "LocaleNumber.h"
#include "NumberFormats.h"
#include "SinglePrecision.h"
#include "ValuationFailure.h"
#include "YearCount.h"

namespace {

enum Column { Year, Earnings, Dividends, EndValue, PresentValue };

// Cells are read back as shown: the table's later figures build on the rounded texts.
double readBack(const std::string& cell, const NumberLocale& locale) {
    const auto value = readLocaleNumber(cell, locale);
    if (!value)
        throw ValuationFailure("cell text is not a number");
    return *value;
}

} // namespace

DetailTable buildDetailTable(const ValuationState& state, const NumberLocale& locale) {
    const float y = toSingle(static_cast<double>(state.yieldPercent) / 100.0);
    const float g = toSingle(static_cast<double>(state.growthPercent) / 100.0);
    const int years = wholeYears(state.termYears);
    if (years < 1)
        throw ValuationFailure("no year rows");

    DetailTable table;
    table.rows.resize(static_cast<std::size_t>(years) + 2);
    table.rows[0] = {"Year", "Earnings", "Dividends", "End Value", "Present value"};

    // One growth factor a year serves its earnings and its dividend.
    for (int i = 1; i <= years; ++i) {
        auto& row = table.rows[static_cast<std::size_t>(i)];
        const double growth = compoundFactor(g, i);
        row[Year] = formatWholeNumber(i);
        row[Earnings] = formatStandard(state.earnings * growth, locale);
        const double dividend = state.dividends * growth;
        row[Dividends] = formatStandard(dividend, locale);
        row[PresentValue] = formatStandard(dividend / compoundFactor(y, i), locale);
    }

    auto& last = table.rows[static_cast<std::size_t>(years)];
    last[EndValue] = formatStandard(readBack(last[Earnings], locale) / y, locale);

    const double discountedEndValue =
        readBack(last[EndValue], locale) / compoundFactor(y, state.termYears);
    last[PresentValue] =
        formatStandard(readBack(last[PresentValue], locale) + discountedEndValue, locale);

    // The total adds the texts as shown, exactly, and is written from that sum.
    Currency total;
    for (int i = 1; i <= years; ++i) {
        const auto shown = readLocaleCurrency(table.rows[i][PresentValue], locale);
        if (!shown)
            throw ValuationFailure("cell text is not a number");
        total += *shown;
    }

    auto& valuation = table.rows[years + 1];
    valuation[EndValue] = "Valuation";
    valuation[PresentValue] = formatStandard(total, locale);
    return table;
}
