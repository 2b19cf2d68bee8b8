#pragma once

#include <QStyledItemDelegate>

class GridControl;

// Paints a GridControl cell: fixed cells (the headers) in the button face, highlighted cells
// in the palette's highlight colours, the others on the base (white) colour; the text with
// the column's alignment, clipped to the cell; a focus frame on the current cell while the
// grid has the keyboard. The grid lines of the movable cells are the table view's own; the
// headers draw theirs with paintFixedCell.
class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    GridCellDelegate(const GridControl& grid, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // A fixed cell of the grid in `section`, the whole of a header section: the cell and the
    // grid lines at its right and bottom edge, as the table draws them for its own cells.
    static void paintFixedCell(QPainter* painter, const GridControl& grid, QRect section, int row,
                               int column);

private:
    const GridControl& grid_;
};
