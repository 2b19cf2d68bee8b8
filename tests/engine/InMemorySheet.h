#pragma once

#include "ValuationSheet.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

// A worksheet for the engine tests: five parameter texts, and a record of what the
// computation did to the sheet.
class InMemorySheet : public ValuationSheet {
public:
    InMemorySheet(std::string earnings, std::string dividends, std::string growth, std::string term,
                  std::string yield)
        : parameters{std::move(earnings), std::move(dividends), std::move(growth), std::move(term),
                     std::move(yield)} {}

    void hideDetailTable() override { ++hideCount; }
    std::string parameterText(int row) const override { return parameters.at(row - 1); }
    void setCurrentColumn(int column) override { currentColumn = column; }
    void setValueText(std::string_view text) override { valueText = text; }

    std::array<std::string, 5> parameters;
    int hideCount = 0;
    int currentColumn = -1;
    std::string valueText;
};
