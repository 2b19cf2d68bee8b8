#pragma once

#include <QLineEdit>

// A box of the conversions dialog. Enter moves the focus on to the next control in the tab
// order, as Tab would, and is itself discarded: nothing is inserted and no button is
// pressed. Every other key is the line edit's.
class ConversionBox : public QLineEdit {
    Q_OBJECT

public:
    explicit ConversionBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
