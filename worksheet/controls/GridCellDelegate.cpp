#include "GridCellDelegate.h"

#include "GridControl.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {
// Space between the cell's edge and its text.
constexpr double textMarginTwips = 30.0;
} // namespace

GridCellDelegate::GridCellDelegate(const GridControl& grid, QObject* parent)
    : QStyledItemDelegate(parent), grid_(grid) {}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const int row = index.row();
    const int column = index.column();
    const QPalette& palette = option.palette;

    QPalette::ColorRole background = QPalette::Base;
    QPalette::ColorRole foreground = QPalette::Text;
    if (grid_.isFixedCell(row, column)) {
        background = QPalette::Button;
        foreground = QPalette::ButtonText;
    } else if (grid_.isHighlighted(row, column)) {
        background = QPalette::Highlight;
        foreground = QPalette::HighlightedText;
    }

    painter->save();
    painter->setClipRect(option.rect);
    painter->fillRect(option.rect, palette.brush(background));

    const int margin = grid_.twipsScale().toPixels(textMarginTwips);
    painter->setFont(option.font);
    painter->setPen(palette.color(foreground));
    painter->drawText(
        option.rect.adjusted(margin, 0, -margin, 0),
        static_cast<int>(grid_.cellAlignment(row, column).toInt() | Qt::TextSingleLine),
        index.data(Qt::DisplayRole).toString());

    if (grid_.hasFocus() && row == grid_.row() && column == grid_.column()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(grid_.viewport());
        focus.rect = option.rect.adjusted(1, 1, -1, -1);
        focus.backgroundColor = palette.color(background);
        grid_.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, grid_.viewport());
    }
    painter->restore();
}
