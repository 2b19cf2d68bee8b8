#include "PadDragging.h"

#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/PadControl.h"
#include "PadLattice.h"
#include "ParameterCursor.h"
#include "ParameterRow.h"
#include "WorksheetActions.h"
#include "engine/ValuationState.h"

PadDragging::PadDragging(PadControl& pad, EditorControl& editor, ParameterCursor& cursor,
                         WorksheetActions& worksheet, ValuationState& valuation)
    : pad_(pad), editor_(editor), cursor_(cursor), worksheet_(worksheet), valuation_(valuation) {
    QObject::connect(
        &pad_, &PadControl::mouseMoved, &pad_,
        [this](Qt::MouseButtons buttons, QPointF twips) { pointerMoved(buttons, twips); });
}

void PadDragging::pointerMoved(Qt::MouseButtons buttons, QPointF twips) {
    if (buttons != Qt::LeftButton)
        return; // no button, another button or a combination: not a drag
    dragTo(twips);
}

void PadDragging::dragTo(QPointF twips) {
    worksheet_.hideDetailTable();
    const PadLattice::Setting setting = PadLattice::settingAt(twips.x(), twips.y());
    pad_.setHorizontalLineY(setting.snappedY);
    pad_.setVerticalLineX(setting.snappedX);

    // The term goes into the record on the way, one year above the cell's figure; the
    // computation replaces it by the figure it reads from the cell.
    valuation_.termYears = static_cast<float>(setting.term) + 1.0f;
    cursor_.writeParameter(ParameterRow::Term, QString::number(setting.term));
    cursor_.writeParameter(ParameterRow::Growth, QString::number(setting.growth));
    worksheet_.computeValuation();

    // The writes moved the current row but not the highlight, which still marks the row the
    // user chose; typing goes on in the editor although the user pressed on the pad.
    cursor_.restoreHighlightedRow();
    editor_.setFocus();
}
