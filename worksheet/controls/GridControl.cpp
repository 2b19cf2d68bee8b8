#include "GridControl.h"

#include "GridCellDelegate.h"
#include "GridHeader.h"
#include "GridModel.h"
#include "GridTexts.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr Qt::Alignment defaultAlignment = Qt::AlignLeft | Qt::AlignVCenter;

// Centres vertically unless the caller asked for a vertical alignment of its own.
Qt::Alignment withVerticalDefault(Qt::Alignment alignment) {
    if ((alignment & Qt::AlignVertical_Mask) == 0)
        alignment |= Qt::AlignVCenter;
    return alignment;
}

QRect inside(const QWidget& widget, const QWidget& ancestor, const QRect& rect) {
    return rect.translated(widget.mapTo(&ancestor, QPoint(0, 0)));
}

} // namespace

GridControl::GridControl(int rows, int columns, int fixedRows, int fixedColumns,
                         const TwipsScale& scale, QWidget* parent)
    : QTableView(parent), TwipsGeometry(*this, scale) {
    const bool fixedRow = fixedRows > 0;
    const bool fixedColumn = fixedColumns > 0;
    model_ = new GridModel(std::make_unique<StoredGridTexts>(std::max(rows, fixedRow ? 2 : 1),
                                                             std::max(columns, fixedColumn ? 2 : 1)),
                           fixedRow, fixedColumn, this);
    columnHeadings_ = new GridHeader(Qt::Horizontal, *this);
    rowTitles_ = new GridHeader(Qt::Vertical, *this);
    setHorizontalHeader(columnHeadings_);
    setVerticalHeader(rowTitles_);
    setModel(model_);
    columnHeadings_->setVisible(fixedRow);
    rowTitles_->setVisible(fixedColumn);
    connect(model_, &QAbstractItemModel::modelReset, this, &GridControl::afterReset);

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

    // The pointer over the headers and the cells has one handling, the grid's.
    viewport()->installEventFilter(this);
    columnHeadings_->viewport()->installEventFilter(this);
    rowTitles_->viewport()->installEventFilter(this);
    if (fixedRow && fixedColumn) {
        corner_ = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
        if (corner_ != nullptr)
            corner_->installEventFilter(this);
    }

    const int rowHeight = scale.toPixels(defaultRowHeightTwips);
    rowTitles_->setDefaultSectionSize(rowHeight);
    columnHeadings_->setBreadth(rowHeight);
    columnWidthsTwips_.assign(static_cast<std::size_t>(columnCount()), defaultColumnWidthTwips);
    headerAlignments_.assign(static_cast<std::size_t>(columnCount()), defaultAlignment);
    dataAlignments_.assign(static_cast<std::size_t>(columnCount()), defaultAlignment);
    applyColumnWidths();

    // Shown with its window unless hidden on purpose.
    model_->setExposed(true);
    row_ = this->fixedRows();
    column_ = this->fixedColumns();
    highlight_ = {row_, column_, row_, column_};
}

GridControl::~GridControl() = default;

int GridControl::fixedRows() const {
    return model_->fixedRows();
}

int GridControl::fixedColumns() const {
    return model_->fixedColumns();
}

int GridControl::rowCount() const {
    return model_->texts().rowCount();
}

int GridControl::columnCount() const {
    return model_->texts().columnCount();
}

void GridControl::setRow(int row) {
    if (row < 0 || row >= rowCount() || row == row_)
        return;
    moveCurrent(row, column_);
}

void GridControl::setColumn(int column) {
    if (column < 0 || column >= columnCount() || column == column_)
        return;
    moveCurrent(row_, column);
}

QString GridControl::text() const {
    return cellText(row_, column_);
}

void GridControl::setText(const QString& text) {
    setCellText(row_, column_, text);
}

QString GridControl::cellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return QString();
    return model_->texts().text(row, column);
}

void GridControl::setCellText(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    if (model_->texts().text(row, column) == text)
        return;
    model_->setText(row, column, text);
    if (isFixedCell(row, column)) {
        // Qt's headers repaint on their own only for what the model reports.
        columnHeadings_->viewport()->update();
        rowTitles_->viewport()->update();
        if (corner_ != nullptr)
            corner_->update();
    }
    emit cellChanged(row, column);
}

void GridControl::setRowCount(int rows) {
    model_->setRowCount(std::max(rows, fixedRows() + 1));
}

void GridControl::setTexts(std::unique_ptr<GridTexts> texts) {
    if (texts->rowCount() < fixedRows() + 1)
        texts->setRowCount(fixedRows() + 1);
    const auto columns = static_cast<std::size_t>(texts->columnCount());
    model_->replaceTexts(std::move(texts));
    if (columns != columnWidthsTwips_.size()) {
        columnWidthsTwips_.resize(columns, defaultColumnWidthTwips);
        headerAlignments_.resize(columns, defaultAlignment);
        dataAlignments_.resize(columns, defaultAlignment);
        applyColumnWidths();
    }
}

void GridControl::setColumnWidthTwips(int column, double twips) {
    if (column < 0 || column >= columnCount())
        return;
    columnWidthsTwips_[static_cast<std::size_t>(column)] = std::max(twips, 0.0);
    applyColumnWidths();
}

int GridControl::columnWidth(int column) const {
    if (column < fixedColumns())
        return rowTitles_->sizeHint().width();
    return QTableView::columnWidth(column - fixedColumns());
}

void GridControl::setColumnAlignment(int column, Qt::Alignment header, Qt::Alignment data) {
    if (column < 0 || column >= columnCount())
        return;
    headerAlignments_[static_cast<std::size_t>(column)] = withVerticalDefault(header);
    dataAlignments_[static_cast<std::size_t>(column)] = withVerticalDefault(data);
    updateCells();
}

Qt::Alignment GridControl::cellAlignment(int row, int column) const {
    if (column < 0 || column >= columnCount())
        return defaultAlignment;
    const auto& alignments = row < fixedRows() ? headerAlignments_ : dataAlignments_;
    return alignments[static_cast<std::size_t>(column)];
}

void GridControl::setHighlight(Range range) {
    highlight_ = clampedToGrid(range);
    syncSelection();
    updateCells();
}

bool GridControl::isFixedCell(int row, int column) const {
    return row < fixedRows() || column < fixedColumns();
}

bool GridControl::isHighlighted(int row, int column) const {
    if (isFixedCell(row, column))
        return false;
    const auto [top, bottom] = std::minmax(highlight_.startRow, highlight_.endRow);
    const auto [left, right] = std::minmax(highlight_.startColumn, highlight_.endColumn);
    return row >= top && row <= bottom && column >= left && column <= right;
}

QRect GridControl::cellRect(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    const int fixedRow = fixedRows();
    const int fixedColumn = fixedColumns();
    if (row < fixedRow && column < fixedColumn)
        return corner_ != nullptr ? corner_->geometry() : QRect();
    if (row < fixedRow) {
        const int section = column - fixedColumn;
        const QWidget& area = *columnHeadings_->viewport();
        return inside(area, *this,
                      {columnHeadings_->sectionViewportPosition(section), 0,
                       columnHeadings_->sectionSize(section), area.height()});
    }
    const QModelIndex index = model_->index(row - fixedRow, std::max(column - fixedColumn, 0));
    if (!index.isValid())
        return {};
    if (column < fixedColumn) {
        const QWidget& area = *rowTitles_->viewport();
        return inside(area, *this,
                      {0, rowTitles_->sectionViewportPosition(index.row()), area.width(),
                       rowTitles_->sectionSize(index.row())});
    }
    return inside(*viewport(), *this, visualRect(index));
}

int GridControl::topRow() const {
    int row = rowAt(0);
    if (row < 0)
        return fixedRows();
    if (rowViewportPosition(row) < 0)
        ++row;
    return row + fixedRows();
}

// The colour the table view draws its own grid lines in.
QColor GridControl::gridLineColour() const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    return QColor::fromRgba(
        static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
}

bool GridControl::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        pointerOn(cellUnder(watched, mouse->position().toPoint()), *mouse);
        mouse->accept();
        return true;
    }
    case QEvent::Paint:
        if (watched == corner_) {
            paintCorner(*corner_);
            return true;
        }
        break;
    default:
        break;
    }
    return QTableView::eventFilter(watched, event);
}

GridControl::Cell GridControl::cellUnder(const QObject* surface, QPoint point) const {
    if (surface == corner_)
        return {0, 0};
    if (surface == columnHeadings_->viewport()) {
        const int section = columnHeadings_->logicalIndexAt(point.x());
        return section < 0 ? Cell{} : Cell{0, section + fixedColumns()};
    }
    if (surface == rowTitles_->viewport()) {
        const int section = rowTitles_->logicalIndexAt(point.y());
        return section < 0 ? Cell{} : Cell{section + fixedRows(), 0};
    }
    const QModelIndex index = indexAt(point);
    if (!index.isValid())
        return {};
    return {index.row() + fixedRows(), index.column() + fixedColumns()};
}

// No drag selection and nothing on the release: the highlight changes only by a left press
// (a double click is one more press) or by the program. A fixed row is never made current by
// the user; a fixed column is (the worksheet moves the current cell back itself).
void GridControl::pointerOn(Cell cell, const QMouseEvent& event) {
    const bool press = event.type() == QEvent::MouseButtonPress ||
                       event.type() == QEvent::MouseButtonDblClick;
    if (!press || event.button() != Qt::LeftButton || cell.row < fixedRows())
        return;
    moveByUser(cell.row, cell.column);
}

void GridControl::keyPressEvent(QKeyEvent* event) {
    // The keyboard keeps to the movable cells.
    const int firstRow = fixedRows();
    const int firstColumn = std::min(fixedColumns(), columnCount() - 1);
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

void GridControl::focusInEvent(QFocusEvent* event) {
    syncViewCurrent();
    QTableView::focusInEvent(event);
    syncViewCurrent();
    updateCells();
}

void GridControl::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    syncViewCurrent();
    updateCells();
}

// Before the widget is shown, so that its first layout has the rows; once hidden, no cells.
void GridControl::setVisible(bool visible) {
    if (visible)
        model_->setExposed(true);
    QTableView::setVisible(visible);
    if (!visible)
        model_->setExposed(false);
}

void GridControl::moveByUser(int row, int column) {
    highlight_ = {row, column, row, column};
    syncSelection();
    updateCells();
    if (row == row_ && column == column_)
        return;
    moveCurrent(row, column);
    scrollTo(model_->index(row_ - fixedRows(), std::max(column_ - fixedColumns(), 0)));
    emit userMovedCurrentCell();
}

void GridControl::moveCurrent(int row, int column) {
    const int previousRow = row_;
    const int previousColumn = column_;
    row_ = row;
    column_ = column;
    syncViewCurrent();
    updateCells();
    emit currentCellChanged(row_, column_, previousRow, previousColumn);
}

// Qt's current index is the current cell while the grid has the keyboard, and no cell
// otherwise: assistive technology takes the current index for the focused cell. With
// NoSelection and autoScroll off it selects and scrolls nothing.
void GridControl::syncViewCurrent() {
    if (selectionModel() == nullptr)
        return;
    QModelIndex index;
    if (hasFocus() && !isFixedCell(row_, column_))
        index = model_->index(row_ - fixedRows(), column_ - fixedColumns());
    if (selectionModel()->currentIndex() != index)
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

// The highlight's movable cells are the view's selection.
void GridControl::syncSelection() {
    if (selectionModel() == nullptr)
        return;
    const auto [top, bottom] = std::minmax(highlight_.startRow, highlight_.endRow);
    const auto [left, right] = std::minmax(highlight_.startColumn, highlight_.endColumn);
    const QModelIndex first =
        model_->index(std::max(top, fixedRows()) - fixedRows(),
                      std::max(left, fixedColumns()) - fixedColumns());
    const QModelIndex last = model_->index(bottom - fixedRows(), right - fixedColumns());
    QItemSelection selection;
    if (first.isValid() && last.isValid() && first.row() <= last.row() &&
        first.column() <= last.column())
        selection.select(first, last);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

// New texts, a new row count, or the grid shown or hidden: the current cell and the
// highlight keep inside the grid and are Qt's current index and selection again.
void GridControl::afterReset() {
    highlight_ = clampedToGrid(highlight_);
    const int row = std::min(row_, rowCount() - 1);
    if (row != row_)
        moveCurrent(row, column_);
    syncViewCurrent();
    syncSelection();
    updateCells();
}

// Rounds the running edges, so that the columns together are as wide in pixels as their
// widths in twips add up to.
void GridControl::applyColumnWidths() {
    double edge = 0.0;
    for (int c = 0; c < columnCount(); ++c) {
        const int left = twipsScale().toPixels(edge);
        edge += columnWidthsTwips_[static_cast<std::size_t>(c)];
        const int width = twipsScale().toPixels(edge) - left;
        if (c < fixedColumns())
            rowTitles_->setBreadth(width);
        else
            QTableView::setColumnWidth(c - fixedColumns(), width);
    }
    updateGeometries();
}

void GridControl::paintCorner(QWidget& corner) const {
    QPainter painter(&corner);
    GridCellDelegate::paintFixedCell(&painter, *this, corner.rect(), 0, 0);
}

void GridControl::updateCells() {
    viewport()->update();
    columnHeadings_->viewport()->update();
    rowTitles_->viewport()->update();
    if (corner_ != nullptr)
        corner_->update();
}

GridControl::Range GridControl::clampedToGrid(Range range) const {
    const int lastRow = rowCount() - 1;
    const int lastColumn = columnCount() - 1;
    return {std::clamp(range.startRow, 0, lastRow), std::clamp(range.startColumn, 0, lastColumn),
            std::clamp(range.endRow, 0, lastRow), std::clamp(range.endColumn, 0, lastColumn)};
}

int GridControl::visibleRowCount() const {
    const int rowHeight = std::max(rowTitles_->defaultSectionSize(), 1);
    return std::max(viewport()->height() / rowHeight, 1);
}
