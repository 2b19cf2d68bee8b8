#pragma once

#include "UserInput.h"

#include <QPointF>

class GridControl;
class ListControl;
class Valkubeform;

// Where the user points on the worksheet, worked out from what the program holds: the
// buttons and the hint from their places in twips, the pad from its twips, the cells and
// list entries from the views' own item rectangles.
namespace WorksheetTargets {

// The middle of cell (row, column); the cell must be in view.
WidgetPoint gridCell(const GridControl& grid, int row, int column);
// The middle of the entry at `position`, which is scrolled into view first.
WidgetPoint listEntry(ListControl& list, int position);
// The middle of Thebutton `element`.
WidgetPoint button(const Valkubeform& form, int element);
// The middle of Yellowbox.
WidgetPoint hint(const Valkubeform& form);
// A point of the worksheet surface that no control covers.
WidgetPoint bareSurface(const Valkubeform& form);
// (x, y) twips from the top-left of the pad's drawing area; it may lie outside the pad.
WidgetPoint pad(const Valkubeform& form, QPointF twips);
// The middle of the control `name` (Thegrid, Detailgrid, Yieldlist, Picture1 to Picture3).
WidgetPoint control(const Valkubeform& form, const QString& name);
// The middle of the vertical scroll bar of `name` (Thegrid, Detailgrid, Yieldlist).
WidgetPoint scrollBar(const Valkubeform& form, const QString& name);

} // namespace WorksheetTargets
