#pragma once

#include <QStyledItemDelegate>

class GridControl;

// Paints a GridControl cell: fixed cells in the button face, highlighted cells in the
// palette's highlight colours, the others on the base (white) colour; the text with the
// column's alignment, clipped to the cell. The grid lines are the table view's own.
class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    GridCellDelegate(const GridControl& grid, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const GridControl& grid_;
};
