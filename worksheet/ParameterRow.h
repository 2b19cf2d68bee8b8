#pragma once

// The five parameter rows of Thegrid. Column 0 holds their titles, column 1 their values as
// text; row 0 is the heading row.
namespace ParameterRow {

inline constexpr int Earnings = 1;
inline constexpr int Dividends = 2;
inline constexpr int Growth = 3;
inline constexpr int Term = 4;
inline constexpr int Yield = 5;

inline constexpr int first = Earnings;
inline constexpr int last = Yield;

inline constexpr int titleColumn = 0;
inline constexpr int valueColumn = 1;

// The title start-up writes into the row's column 0.
constexpr const char* title(int row) {
    constexpr const char* titles[] = {"Annual Earnings per Share", "Annual Dividends per Share",
                                      "Annual Growth Rate (%)", "Term (years)",
                                      "Target Yield (%)"};
    return titles[row - first];
}

// Enter and the down arrow go to the row below; the last row wraps to the first.
constexpr int below(int row) {
    return row >= last ? first : row + 1;
}

// The up arrow goes to the row above; the first row wraps to the last.
constexpr int above(int row) {
    return row <= first ? last : row - 1;
}

// Only the earnings and the growth rate may be negative: a loss, a shrinking business.
constexpr bool mayBeNegative(int row) {
    return row == Earnings || row == Growth;
}

} // namespace ParameterRow
