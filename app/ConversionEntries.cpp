#include "ConversionEntries.h"

#include "worksheet/ParameterRow.h"

#include <QAction>

void ConversionEntries::offerForRow(int row) const {
    if (peToEarnings == nullptr || yieldToDividends == nullptr)
        return;
    peToEarnings->setEnabled(false);
    yieldToDividends->setEnabled(false);
    if (row == ParameterRow::Earnings)
        peToEarnings->setEnabled(true);
    else if (row == ParameterRow::Dividends)
        yieldToDividends->setEnabled(true);
}

void ConversionEntries::offerYieldToDividends() const {
    if (yieldToDividends != nullptr)
        yieldToDividends->setEnabled(true);
}
