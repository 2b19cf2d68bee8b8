#pragma once

#include <string>
#include <string_view>

// The three worksheet operations the valuation needs, so that the computation runs against
// the real worksheet or against an in-memory sheet in tests and benchmarks.
class ValuationSheet {
public:
    virtual ~ValuationSheet() = default;

    // Makes the year-by-year detail table invisible.
    virtual void hideDetailTable() = 0;

    // The text of the parameter grid's value cell of `row` (1 to 5). Reading never moves the
    // grid's current cell and raises no worksheet reaction.
    virtual std::string parameterText(int row) const = 0;

    // Makes `column` the parameter grid's current column; the current row stays.
    virtual void setCurrentColumn(int column) = 0;

    // Replaces the text of the value box.
    virtual void setValueText(std::string_view text) = 0;
};
