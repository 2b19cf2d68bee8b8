#pragma once

#include "NumberLocale.h"
#include "ValuationState.h"

#include <array>
#include <string>
#include <vector>

// The texts of the year-by-year detail table, computed without widgets.
//
// Row 0 is the header; rows 1 to T (the whole years of the term) hold the year, its
// earnings, its dividend and the dividend's present value; row T also holds the end value
// and adds its present value to column 4; the last row holds "Valuation" and the total.
// The total is the sum of the column-4 texts as shown, read back, so it can differ by some
// cents from the computed value in the value box.
struct DetailTable {
    static constexpr int kColumns = 5;
    std::vector<std::array<std::string, kColumns>> rows;

    int valuationRow() const { return static_cast<int>(rows.size()) - 1; }
};

// Builds the table from the state of the last valuation. A term below one year (no year
// row to read back), a term beyond the year counter's range and any arithmetic failure
// throw ValuationFailure. A fractional term gives the whole years only; its fraction still
// counts in discounting the end value.
DetailTable buildDetailTable(const ValuationState& state, const NumberLocale& locale);
