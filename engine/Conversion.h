#pragma once

#include "NumberLocale.h"

#include <optional>
#include <string>
#include <string_view>

// The per-share figure a conversion produces, and the parameter it feeds.
enum class PerShareFigure {
    Earnings,  // from a price-earnings ratio: price / ratio
    Dividends, // from a dividend yield in percent: yield x price / 100
};

struct ConvertedFigure {
    float value = 0.0f; // single precision, as the valuation stores it
    std::string text;   // the value as the grid shows it, "0.00#": 3.20, 1.00, 1.063
};

// Reads the ratio (or yield) and the price with the locale's number conversion, computes
// the figure in double precision, stores it in single precision and formats it. An empty or
// unreadable text, a ratio of 0, a result beyond the single range or a NaN gives nullopt;
// nothing here throws.
std::optional<ConvertedFigure> convertToPerShare(PerShareFigure figure, std::string_view rateText,
                                                 std::string_view priceText,
                                                 const NumberLocale& locale);
