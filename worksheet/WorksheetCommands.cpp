#include "WorksheetCommands.h"

#include "DetailTableView.h"
#include "ParameterCursor.h"
#include "ParameterRow.h"
#include "PlatformServices.h"
#include "WorksheetActions.h"
#include "engine/CellNumberText.h"
#include "engine/LeadingNumber.h"
#include "engine/ValuationFailure.h"
#include "engine/ValuationState.h"
#include "worksheet/controls/CaptionedLabel.h"
#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/controls/ListControl.h"

namespace {

// The cell's value as the computation reads it; a text that cannot be read counts as no step.
bool readCell(const QString& text, const NumberLocale& locale, double& value) {
    try {
        value = readLeadingNumber(text.toStdString(), locale);
        return true;
    } catch (const ValuationFailure&) {
        return false;
    }
}

} // namespace

WorksheetCommands::WorksheetCommands(const Controls& controls, ParameterCursor& cursor,
                                     DetailTableView& detailTable, WorksheetActions& worksheet,
                                     const WorksheetContext& context)
    : controls_(controls), cursor_(cursor), detailTable_(detailTable), worksheet_(worksheet),
      context_(context) {}

void WorksheetCommands::clearWorksheet() {
    worksheet_.hideDetailTable();
    worksheet_.announceCleared();
    // May run the edit check, and a computation on the old figures; the steps below wipe it.
    controls_.editor.setText(QString());
    controls_.commentBox.setText(QString());
    ValuationState& state = context_.valuation;
    state.theoreticValue = 0;
    state.yieldPercent = 0;
    state.termYears = 0;
    state.earnings = 0;
    state.growthPercent = 0;
    state.dividends = 0;
    controls_.valueBox.setText(QString());
    controls_.parameters.setColumn(ParameterRow::valueColumn);
    for (int row = ParameterRow::first; row <= ParameterRow::last; ++row)
        cursor_.writeParameter(row, QString());
    controls_.yieldList.clearSelectedPosition();
    cursor_.returnToFirstRow();
}

void WorksheetCommands::showOrHideDetail() {
    if (controls_.detail.isVisible())
        worksheet_.hideDetailTable();
    else
        detailTable_.fillDetailTable();
}

void WorksheetCommands::closeAfterAsking() {
    const MessageResult answer = context_.services.showMessage(
        {QStringLiteral("Are you sure you want to exit the system?"), QStringLiteral("Exit"),
         MessageButtons::YesNoCancel, MessageIcon::Question});
    if (answer == MessageResult::Yes)
        context_.services.endProgram();
}

void WorksheetCommands::stepCurrentCell(double step) {
    GridControl& grid = controls_.parameters;
    const NumberLocale& locale = context_.locale;
    double value = 0;
    if (readCell(grid.text(), locale, value)) {
        if (step > 0 || ParameterRow::mayBeNegative(grid.row()) || value >= 1)
            grid.setText(QString::fromStdString(cellNumberText(value + step, locale)));
        else
            context_.services.beep();
    }
    double shown = 0;
    if (step < 0 && readCell(grid.text(), locale, shown) && shown < 0)
        context_.services.beep();
    worksheet_.computeValuation();
}

void WorksheetCommands::openHelp() {
    context_.services.openHelp(context_.helpFile);
}
