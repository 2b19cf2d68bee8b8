#pragma once

#include "conversions/ConversionKind.h"
#include "conversions/Conversionform.h"
#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/controls/PictureButton.h"
#include "worksheet/ParameterCursor.h"
#include "worksheet/Valkubeform.h"
#include "app/ValmoraProgram.h"
#include "app/WorksheetConversionTarget.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringList>
#include <QTest>

// Steps a user takes on a started program, shared by the tests that repeat them under
// different locales.
namespace WorksheetSteps {

// Types each text into the editor from row 1 on, Enter between them, as the user would.
inline void typeParameters(Valkubeform& form, const QStringList& texts) {
    form.cursor().returnToFirstRow();
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (i > 0)
            QTest::keyClick(&form.controls().Entry, Qt::Key_Return);
        QTest::keyClicks(&form.controls().Entry, texts[i]);
    }
}

// Moves the pointer over a command button without a mouse button held, as the hint follows.
inline void hoverButton(Valkubeform& form, int element) {
    PictureButton& button = form.controls().Thebutton(element);
    const QPointF centre = QRectF(button.rect()).center();
    QMouseEvent move(QEvent::MouseMove, centre, button.mapToGlobal(centre), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &move);
}

// Writes the value cells directly (the program, not the user) and makes `currentRow` current.
inline void fillCells(Valkubeform& form, const QStringList& texts, int currentRow) {
    for (qsizetype i = 0; i < texts.size(); ++i)
        form.controls().Thegrid.setCellText(static_cast<int>(i) + 1, 1, texts[i]);
    form.cursor().moveToRow(currentRow);
}

// A conversion as the Convert menu runs it: a fresh dialog over the worksheet, in the
// program's locale, its two boxes filled and OK pressed. Shown rather than run modally, so
// that the test keeps the thread.
inline void convert(ValmoraProgram& program, const QString& kind, const QString& rate,
                    const QString& price) {
    WorksheetConversionTarget target(program.worksheet(), program.valuation());
    Conversionform dialog(target, kind, program.locale());
    dialog.show();
    QTest::keyClicks(&dialog.Conversionbox(0), rate);
    QTest::keyClicks(&dialog.Conversionbox(1), price);
    QTest::mouseClick(&dialog.Thebutton(0), Qt::LeftButton);
}

} // namespace WorksheetSteps
