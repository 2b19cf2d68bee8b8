#pragma once

#include "worksheet/PadLattice.h"

#include <QPointF>

class EditorControl;
class PadControl;
class ParameterCursor;
class WorksheetActions;
struct ValuationState;

// The term and growth pad: dragging with the left button sets the term and the growth rate
// together. Each pointer move with exactly the left button held is one drag step: the
// cross-hair snaps to the lattice point (PadLattice), the term and growth cells take its
// figures, the value is computed again, and the grid's current row and the keyboard go back
// to where the user had them. Presses, releases, moves without a button and drags with any
// other button do nothing.
//
// While the pad has the keyboard, each arrow key is a drag step to the next lattice point
// (Left and Right a year, Up and Down a percent of growth), within the pad; the keyboard
// stays on the pad.
class PadDragging {
public:
    PadDragging(PadControl& pad, EditorControl& editor, ParameterCursor& cursor,
                WorksheetActions& worksheet, ValuationState& valuation);

    void pointerMoved(Qt::MouseButtons buttons, QPointF twips);
    void arrowKeyPressed(int across, int down);

private:
    void stepTo(QPointF twips);
    void describePoint(const PadLattice::Setting& setting);

    PadControl& pad_;
    EditorControl& editor_;
    ParameterCursor& cursor_;
    WorksheetActions& worksheet_;
    ValuationState& valuation_;
};
