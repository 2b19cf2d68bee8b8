#pragma once

#include "ValuationSheet.h"

#include <array>
#include <string>
#include <utility>

// A parameter grid without widgets: five fixed parameter texts, and the last value text the
// computation wrote. Serves the engine benchmarks and, in the worksheet benchmarks, tells
// what the value box must show after a step.
class BenchSheet : public ValuationSheet {
public:
    explicit BenchSheet(std::array<std::string, 5> parameters)
        : parameters_(std::move(parameters)) {}

    void hideDetailTable() override {}
    std::string parameterText(int row) const override {
        return parameters_[static_cast<std::size_t>(row - 1)];
    }
    void setCurrentColumn(int) override {}
    void setValueText(std::string_view text) override { valueText_.assign(text); }

    const std::string& valueText() const { return valueText_; }

private:
    std::array<std::string, 5> parameters_;
    std::string valueText_;
};
