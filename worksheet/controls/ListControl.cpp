#include "ListControl.h"

#include <QKeyEvent>
#include <QMouseEvent>

ListControl::ListControl(const TwipsScale& scale, QWidget* parent)
    : QListWidget(parent), TwipsGeometry(*this, scale) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ListControl::selectPosition(int position) {
    if (position < 0) {
        clearSelectedPosition();
        return;
    }
    if (position >= count())
        return;
    select(position);
    emit picked();
}

void ListControl::clearSelectedPosition() {
    selectionModel()->clear();
}

int ListControl::selectedPosition() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void ListControl::select(int position) {
    setCurrentRow(position, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(position));
    forgetCurrentUnlessFocused();
}

void ListControl::forgetCurrentUnlessFocused() {
    if (!hasFocus())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

// The keyboard goes on from the selected entry.
void ListControl::currentFromSelection() {
    if (const int position = selectedPosition(); position >= 0 && !currentIndex().isValid())
        selectionModel()->setCurrentIndex(model()->index(position, 0),
                                          QItemSelectionModel::NoUpdate);
}

void ListControl::focusInEvent(QFocusEvent* event) {
    currentFromSelection();
    QListWidget::focusInEvent(event);
}

void ListControl::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    forgetCurrentUnlessFocused();
}

void ListControl::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid())
        return;
    select(index.row());
    emit picked();
}

// Dragging with the button held moves the selection along, one picked() per new entry.
void ListControl::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!event->buttons().testFlag(Qt::LeftButton))
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || index.row() == selectedPosition())
        return;
    select(index.row());
    emit picked();
}

void ListControl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

// The second press of a double click is a click like the first.
void ListControl::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void ListControl::keyPressEvent(QKeyEvent* event) {
    const int before = selectedPosition();
    currentFromSelection(); // a key may come without the focus
    QListWidget::keyPressEvent(event);
    forgetCurrentUnlessFocused();
    const int after = selectedPosition();
    if (after >= 0 && after != before)
        emit picked();
}
