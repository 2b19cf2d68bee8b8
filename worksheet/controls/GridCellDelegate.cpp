#include "GridCellDelegate.h"

#include "GridControl.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

// Space between the cell's edge and its text.
constexpr double textMarginTwips = 30.0;

void paintCell(QPainter* painter, const GridControl& grid, const QRect& rect, int row, int column,
               const QString& text) {
    const QPalette& palette = grid.palette();
    QPalette::ColorRole background = QPalette::Base;
    QPalette::ColorRole foreground = QPalette::Text;
    if (grid.isFixedCell(row, column)) {
        background = QPalette::Button;
        foreground = QPalette::ButtonText;
    } else if (grid.isHighlighted(row, column)) {
        background = QPalette::Highlight;
        foreground = QPalette::HighlightedText;
    }

    painter->save();
    painter->setClipRect(rect);
    painter->fillRect(rect, palette.brush(background));

    const int margin = grid.twipsScale().toPixels(textMarginTwips);
    painter->setFont(grid.font());
    painter->setPen(palette.color(foreground));
    painter->drawText(
        rect.adjusted(margin, 0, -margin, 0),
        static_cast<int>(grid.cellAlignment(row, column).toInt() | Qt::TextSingleLine), text);

    if (grid.hasFocus() && row == grid.row() && column == grid.column()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(grid.viewport());
        focus.rect = rect.adjusted(1, 1, -1, -1);
        focus.backgroundColor = palette.color(background);
        grid.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, grid.viewport());
    }
    painter->restore();
}

} // namespace

GridCellDelegate::GridCellDelegate(const GridControl& grid, QObject* parent)
    : QStyledItemDelegate(parent), grid_(grid) {}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    paintCell(painter, grid_, option.rect, index.row() + grid_.fixedRows(),
              index.column() + grid_.fixedColumns(), index.data(Qt::DisplayRole).toString());
}

void GridCellDelegate::paintFixedCell(QPainter* painter, const GridControl& grid, QRect section,
                                      int row, int column) {
    // The table leaves its grid line out of the cell's rectangle: the last column and row of
    // pixels.
    const QRect cell = section.adjusted(0, 0, -1, -1);
    paintCell(painter, grid, cell, row, column, grid.cellText(row, column));
    // The lines fill their pixel row and column whole, at any device pixel ratio, as the
    // table's own do.
    const QColor line = grid.gridLineColour();
    painter->fillRect(QRect(section.right(), section.top(), 1, section.height()), line);
    painter->fillRect(QRect(section.left(), section.bottom(), section.width(), 1), line);
}
