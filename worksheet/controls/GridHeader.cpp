#include "GridHeader.h"

#include "GridCellDelegate.h"
#include "GridControl.h"

#include <QPaintEvent>
#include <QPainter>

GridHeader::GridHeader(Qt::Orientation orientation, const GridControl& grid)
    : QHeaderView(orientation), grid_(grid) {
    setMinimumSectionSize(0);
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(false);
    setSectionsMovable(false);
    setHighlightSections(false);
    setFocusPolicy(Qt::NoFocus);
}

void GridHeader::setBreadth(int pixels) {
    if (pixels == breadth_)
        return;
    breadth_ = pixels;
    updateGeometry();
}

// The table lays itself out by the header's size hint.
QSize GridHeader::sizeHint() const {
    const QSize natural = QHeaderView::sizeHint();
    return orientation() == Qt::Horizontal ? QSize(natural.width(), breadth_)
                                           : QSize(breadth_, natural.height());
}

// Only the sections, on the base colour where there are none: no style-drawn empty area,
// so that the fixed row looks as the grid's other rows do beyond the last column.
void GridHeader::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), grid_.palette().brush(QPalette::Base));
    const bool horizontal = orientation() == Qt::Horizontal;
    const int first = visualIndexAt(horizontal ? event->rect().left() : event->rect().top());
    for (int section = std::max(first, 0); section < count(); ++section) {
        const int position = sectionViewportPosition(section);
        const QRect rect = horizontal ? QRect(position, 0, sectionSize(section), height())
                                      : QRect(0, position, width(), sectionSize(section));
        if (horizontal ? rect.left() > event->rect().right() : rect.top() > event->rect().bottom())
            break;
        paintSection(&painter, rect, section);
    }
}

void GridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (orientation() == Qt::Horizontal)
        GridCellDelegate::paintFixedCell(painter, grid_, rect, 0,
                                         logicalIndex + grid_.fixedColumns());
    else
        GridCellDelegate::paintFixedCell(painter, grid_, rect, logicalIndex + grid_.fixedRows(),
                                         0);
}
