#include "ExpectedValue.h"

#include "BenchSheet.h"
#include "ComputeValuation.h"

QString expectedValueText(const std::array<std::string, 5>& parameters) {
    BenchSheet sheet(parameters);
    ValuationState state;
    ComputeValuation(sheet, state, NumberLocale{});
    return QString::fromStdString(sheet.valueText());
}
