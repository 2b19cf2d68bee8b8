#pragma once

#include "TwipsGeometry.h"

#include <QListWidget>

// A list box whose picked() notification comes the old platform's way: for every user click
// on an entry (the selected one included), for every keyboard move of the selection, and
// synchronously inside selectPosition(); never for clearSelectedPosition(). One entry at most
// is selected. Qt's own click machinery is bypassed, so one click is one picked().
// The list has a current entry only while it has the keyboard: Qt's accessibility reports
// the current entry as focused whether or not the list has the focus, and a screen reader
// must find one focused object only.
class ListControl : public QListWidget, public TwipsGeometry {
    Q_OBJECT

public:
    explicit ListControl(const TwipsScale& scale, QWidget* parent = nullptr);

    // Selects the entry at `position`, scrolls it into view and raises picked() before it
    // returns, even if the entry was already selected. A negative position clears the
    // selection (without picked()); a position past the end is ignored.
    void selectPosition(int position);
    void clearSelectedPosition();
    // -1 when no entry is selected.
    int selectedPosition() const;

signals:
    void picked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void select(int position);
    void currentFromSelection();
    void forgetCurrentUnlessFocused();
};
