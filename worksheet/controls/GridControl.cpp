#include "GridControl.h"

#include "GridCellDelegate.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr Qt::Alignment defaultAlignment = Qt::AlignLeft | Qt::AlignVCenter;

// Centres vertically unless the caller asked for a vertical alignment of its own.
Qt::Alignment withVerticalDefault(Qt::Alignment alignment) {
    if ((alignment & Qt::AlignVertical_Mask) == 0)
        alignment |= Qt::AlignVCenter;
    return alignment;
}

} // namespace

GridControl::GridControl(int rows, int columns, int fixedRows, int fixedColumns,
                         const TwipsScale& scale, QWidget* parent)
    : QTableWidget(parent), TwipsGeometry(*this, scale), fixedRows_(std::max(fixedRows, 0)),
      fixedColumns_(std::max(fixedColumns, 0)) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setMinimumSectionSize(0);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    setCornerButtonEnabled(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setDragEnabled(false);
    // The current cell moves in the program all the time (the valuation steps through the
    // rows); only a user move may scroll.
    setAutoScroll(false);
    setWordWrap(false);
    setShowGrid(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setItemDelegate(new GridCellDelegate(*this, this));

    QTableWidget::setRowCount(std::max(rows, fixedRows_ + 1));
    QTableWidget::setColumnCount(std::max(columns, fixedColumns_ + 1));
    verticalHeader()->setDefaultSectionSize(scale.toPixels(defaultRowHeightTwips));
    columnWidthsTwips_.assign(columnCount(), defaultColumnWidthTwips);
    headerAlignments_.assign(columnCount(), defaultAlignment);
    dataAlignments_.assign(columnCount(), defaultAlignment);
    applyColumnWidths();
    fillEmptyCells();

    row_ = fixedRows_;
    column_ = fixedColumns_;
    highlight_ = {row_, column_, row_, column_};
    syncViewCurrent();
}

void GridControl::setRow(int row) {
    if (row < 0 || row >= rowCount() || row == row_)
        return;
    row_ = row;
    syncViewCurrent();
}

void GridControl::setColumn(int column) {
    if (column < 0 || column >= columnCount() || column == column_)
        return;
    column_ = column;
    syncViewCurrent();
}

QString GridControl::text() const {
    return cellText(row_, column_);
}

void GridControl::setText(const QString& text) {
    setCellText(row_, column_, text);
}

QString GridControl::cellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell != nullptr ? cell->text() : QString();
}

void GridControl::setCellText(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    if (QTableWidgetItem* cell = item(row, column))
        cell->setText(text);
}

void GridControl::setRowCount(int rows) {
    QTableWidget::setRowCount(std::max(rows, fixedRows_ + 1));
    fillEmptyCells();
    row_ = std::min(row_, rowCount() - 1);
    highlight_ = clampedToGrid(highlight_);
    syncViewCurrent();
}

void GridControl::setColumnWidthTwips(int column, double twips) {
    if (column < 0 || column >= columnCount())
        return;
    columnWidthsTwips_[static_cast<std::size_t>(column)] = std::max(twips, 0.0);
    applyColumnWidths();
}

void GridControl::setColumnAlignment(int column, Qt::Alignment header, Qt::Alignment data) {
    if (column < 0 || column >= columnCount())
        return;
    headerAlignments_[static_cast<std::size_t>(column)] = withVerticalDefault(header);
    dataAlignments_[static_cast<std::size_t>(column)] = withVerticalDefault(data);
    viewport()->update();
}

Qt::Alignment GridControl::cellAlignment(int row, int column) const {
    if (column < 0 || column >= columnCount())
        return defaultAlignment;
    const auto& alignments = row < fixedRows_ ? headerAlignments_ : dataAlignments_;
    return alignments[static_cast<std::size_t>(column)];
}

void GridControl::setHighlight(Range range) {
    highlight_ = clampedToGrid(range);
    viewport()->update();
}

bool GridControl::isFixedCell(int row, int column) const {
    return row < fixedRows_ || column < fixedColumns_;
}

bool GridControl::isHighlighted(int row, int column) const {
    if (isFixedCell(row, column))
        return false;
    const auto [top, bottom] = std::minmax(highlight_.startRow, highlight_.endRow);
    const auto [left, right] = std::minmax(highlight_.startColumn, highlight_.endColumn);
    return row >= top && row <= bottom && column >= left && column <= right;
}

void GridControl::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    // A fixed row is never made current by the user; a fixed column is (the worksheet moves
    // the current cell back itself).
    if (!index.isValid() || index.row() < fixedRows_)
        return;
    moveByUser(index.row(), index.column());
}

void GridControl::mouseMoveEvent(QMouseEvent* event) {
    // No drag selection: the highlight changes only by a click or by the program.
    event->accept();
}

void GridControl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void GridControl::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void GridControl::keyPressEvent(QKeyEvent* event) {
    // The keyboard keeps to the movable cells.
    const int firstRow = fixedRows_;
    const int firstColumn = std::min(fixedColumns_, columnCount() - 1);
    const int lastRow = rowCount() - 1;
    const int lastColumn = columnCount() - 1;
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);

    int row = row_;
    int column = column_;
    switch (event->key()) {
    case Qt::Key_Up:
        row = row_ - 1;
        break;
    case Qt::Key_Down:
        row = row_ + 1;
        break;
    case Qt::Key_Left:
        column = column_ - 1;
        break;
    case Qt::Key_Right:
        column = column_ + 1;
        break;
    case Qt::Key_PageUp:
        row = row_ - visibleRowCount();
        break;
    case Qt::Key_PageDown:
        row = row_ + visibleRowCount();
        break;
    case Qt::Key_Home:
        column = firstColumn;
        if (control)
            row = firstRow;
        break;
    case Qt::Key_End:
        column = lastColumn;
        if (control)
            row = lastRow;
        break;
    default:
        // No keyboard search, no editing, no copying: the key belongs to someone else.
        event->ignore();
        return;
    }
    event->accept();
    row = std::clamp(row, std::min(firstRow, row_), lastRow);
    column = std::clamp(column, std::min(firstColumn, column_), lastColumn);
    moveByUser(row, column);
}

void GridControl::moveByUser(int row, int column) {
    highlight_ = {row, column, row, column};
    viewport()->update();
    if (row == row_ && column == column_)
        return;
    row_ = row;
    column_ = column;
    syncViewCurrent();
    scrollTo(model()->index(row_, column_));
    emit userMovedCurrentCell();
}

// Qt's current index follows ours, so that focus handling and accessibility see the same
// cell; with NoSelection and autoScroll off it selects and scrolls nothing.
void GridControl::syncViewCurrent() {
    const QModelIndex index = model()->index(row_, column_);
    if (selectionModel() != nullptr && selectionModel()->currentIndex() != index)
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    viewport()->update();
}

void GridControl::fillEmptyCells() {
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            if (item(r, c) == nullptr) {
                auto* cell = new QTableWidgetItem(QString());
                cell->setFlags(Qt::ItemIsEnabled);
                setItem(r, c, cell);
            }
        }
    }
}

// Rounds the running edges, so that the columns together are as wide in pixels as their
// widths in twips add up to.
void GridControl::applyColumnWidths() {
    double edge = 0.0;
    for (int c = 0; c < columnCount(); ++c) {
        const int left = twipsScale().toPixels(edge);
        edge += columnWidthsTwips_[static_cast<std::size_t>(c)];
        setColumnWidth(c, twipsScale().toPixels(edge) - left);
    }
}

GridControl::Range GridControl::clampedToGrid(Range range) const {
    const int lastRow = rowCount() - 1;
    const int lastColumn = columnCount() - 1;
    return {std::clamp(range.startRow, 0, lastRow), std::clamp(range.startColumn, 0, lastColumn),
            std::clamp(range.endRow, 0, lastRow), std::clamp(range.endColumn, 0, lastColumn)};
}

int GridControl::visibleRowCount() const {
    const int rowHeight = std::max(verticalHeader()->defaultSectionSize(), 1);
    return std::max(viewport()->height() / rowHeight, 1);
}
