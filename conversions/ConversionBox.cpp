#include "ConversionBox.h"

#include <QKeyEvent>

ConversionBox::ConversionBox(QWidget* parent) : QLineEdit(parent) {}

void ConversionBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Accepted here, so that it never reaches the dialog's default-button handling.
        event->accept();
        focusNextChild();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
