#pragma once

#include <QDialog>

// The notice about the program: what it computes, that it is a calculation aid and no
// investment advice, and its version. Modeless; its "&Close" button closes it. It knows
// nothing of the worksheet, so it cannot change it.
class Noticeform : public QDialog {
    Q_OBJECT
public:
    explicit Noticeform(QWidget* parent = nullptr);
};
