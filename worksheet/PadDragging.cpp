#include "PadDragging.h"

#include "PadLattice.h"
#include "ParameterCursor.h"
#include "ParameterRow.h"
#include "WorksheetActions.h"
#include "engine/ValuationState.h"
#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/PadControl.h"

PadDragging::PadDragging(PadControl& pad, EditorControl& editor, ParameterCursor& cursor,
                         WorksheetActions& worksheet, ValuationState& valuation)
    : pad_(pad), editor_(editor), cursor_(cursor), worksheet_(worksheet), valuation_(valuation) {
    QObject::connect(
        &pad_, &PadControl::mouseMoved, &pad_,
        [this](Qt::MouseButtons buttons, QPointF twips) { pointerMoved(buttons, twips); });
    QObject::connect(&pad_, &PadControl::arrowKeyPressed, &pad_,
                     [this](int across, int down) { arrowKeyPressed(across, down); });
    describePoint(PadLattice::settingAt(pad_.verticalLineX(), pad_.horizontalLineY()));
}

void PadDragging::pointerMoved(Qt::MouseButtons buttons, QPointF twips) {
    if (buttons != Qt::LeftButton)
        return; // no button, another button or a combination: not a drag
    stepTo(twips);
    // Typing goes on in the editor although the user pressed on the pad.
    editor_.setFocus();
}

void PadDragging::arrowKeyPressed(int across, int down) {
    const QPointF next(pad_.verticalLineX() + across * PadLattice::stepTwips,
                       pad_.horizontalLineY() + down * PadLattice::stepTwips);
    if (PadLattice::isOnPad(PadLattice::settingAt(next.x(), next.y())))
        stepTo(next);
}

void PadDragging::stepTo(QPointF twips) {
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
    // user chose.
    cursor_.restoreHighlightedRow();
    describePoint(setting);
}

void PadDragging::describePoint(const PadLattice::Setting& setting) {
    pad_.setPointName(
        QStringLiteral("Term %1 years, growth %2 %").arg(setting.term).arg(setting.growth));
}
