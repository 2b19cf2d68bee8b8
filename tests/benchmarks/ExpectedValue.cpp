#include "ExpectedValue.h"

#include "engine/Valuation.h"

QString expectedValueText(const std::array<std::string, 5>& parameters) {
    return QString::fromStdString(valuate(parameters, ValuationState{}, NumberLocale{}).valueText);
}
