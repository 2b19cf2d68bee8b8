#pragma once

// Conversionform, the conversions dialog: turns a P/E ratio or a dividend yield, with the
// share price, into earnings or dividends per share and hands the figure to the worksheet.
//
//   showing      Conversionlabel0 takes the current conversion kind, the focus goes to
//                Conversionbox0 (the ratio or yield)
//   Enter        in a box: on to the next control (price -> ratio -> "&OK" -> "&Close");
//                on a button: presses it
//   "&OK"        convert; on success store, write the grid cell, empty the editor, close,
//                focus the editor, recalculate; on any failure nothing, the dialog stays
//   "&Close", Escape, the close box   close, changing nothing
//
// The caller shows a fresh dialog for each conversion and lets it go when exec() returns;
// the dialog only ever closes itself.

#include "worksheet/controls/Twips.h"

#include <QDialog>

#include <array>

class ConversionBox;
class ConversionTarget;
class QLabel;
class QLineEdit;
class QPushButton;
struct NumberLocale;

class Conversionform : public QDialog {
    Q_OBJECT

public:
    // `conversionKind` is the process-wide text the menu sets ("P/E Ratio", "Dividend
    // Yield"); it is read each time the dialog is shown, so it must outlive the dialog.
    Conversionform(ConversionTarget& target, const QString& conversionKind,
                   const NumberLocale& locale, QWidget* parent = nullptr);

    // Controls, by the names the rest of the program knows them (elements 0 and 1).
    QLineEdit& Conversionbox(int element) const;
    QPushButton& Thebutton(int element) const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setWindowLook();
    void createControls();
    void setTabOrder();
    void activate();
    void convert();

    ConversionTarget& target_;
    const QString& conversionKind_;
    const NumberLocale& locale_;
    TwipsScale scale_;

    std::array<QLabel*, 2> labels_{};
    std::array<ConversionBox*, 2> boxes_{};
    std::array<QPushButton*, 2> buttons_{};
};
