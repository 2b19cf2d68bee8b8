#pragma once

#include "worksheet/controls/GridControl.h"

#include <QPointF>
#include <QWidget>

// Where the pointer goes to reach a cell of a grid as a user does: the widget under the
// cell's centre (the cells' area, a header, the corner) and the centre in its coordinates.
struct GridCellPoint {
    QWidget* widget = nullptr;
    QPointF point;
};

inline GridCellPoint gridCellPoint(const GridControl& grid, int row, int column) {
    const QPointF centre = QRectF(grid.cellRect(row, column)).center();
    QWidget* under = grid.childAt(centre.toPoint());
    QWidget* widget = under != nullptr ? under : const_cast<GridControl*>(&grid);
    return {widget, widget->mapFrom(&grid, centre)};
}
