#include "WorksheetConversionTarget.h"

#include "worksheet/controls/EditorControl.h"
#include "worksheet/ParameterCursor.h"
#include "worksheet/ParameterRow.h"
#include "worksheet/Valkubeform.h"
#include "engine/ValuationState.h"

namespace {

int rowOf(PerShareFigure figure) {
    return figure == PerShareFigure::Earnings ? ParameterRow::Earnings : ParameterRow::Dividends;
}

} // namespace

WorksheetConversionTarget::WorksheetConversionTarget(ParameterCursor& cursor, EditorControl& editor,
                                                     ValuationState& valuation,
                                                     std::function<void()> recalculate)
    : cursor_(cursor), editor_(editor), valuation_(valuation),
      recalculate_(std::move(recalculate)) {}

WorksheetConversionTarget::WorksheetConversionTarget(Valkubeform& form, ValuationState& valuation)
    : WorksheetConversionTarget(form.cursor(), form.controls().Entry, valuation,
                                [&form] { form.computeValuation(); }) {}

void WorksheetConversionTarget::storeFigure(PerShareFigure figure, float value) {
    (figure == PerShareFigure::Earnings ? valuation_.earnings : valuation_.dividends) = value;
}

void WorksheetConversionTarget::writeParameter(PerShareFigure figure, const QString& text) {
    const int row = rowOf(figure);
    cursor_.writeParameter(row, text);
    cursor_.selectCell(row, ParameterRow::valueColumn);
}

void WorksheetConversionTarget::emptyEditor() {
    // Runs the editor's edit check, which leaves a cell alone while the editor is blank.
    editor_.setText(QString());
    editor_.setSelection(0, 0);
}

void WorksheetConversionTarget::focusEditor() {
    editor_.setFocus();
}

void WorksheetConversionTarget::recalculate() {
    recalculate_();
}
