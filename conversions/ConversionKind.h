#pragma once

#include "engine/Conversion.h"

#include <QString>

#include <optional>

// The texts the "&Convert" menu puts into ProgramRecords::conversionKind before it opens the
// dialog; the dialog shows the text as the caption of its first box and converts by it.
namespace ConversionKind {

inline const QString priceEarnings = QStringLiteral("P/E Ratio");
inline const QString dividendYield = QStringLiteral("Dividend Yield");

// Compared exactly, case included; any other text converts nothing.
inline std::optional<PerShareFigure> figureFor(const QString& kind) {
    if (kind == priceEarnings)
        return PerShareFigure::Earnings;
    if (kind == dividendYield)
        return PerShareFigure::Dividends;
    return std::nullopt;
}

} // namespace ConversionKind
