#include "WorksheetFixture.h"

#include "ConversionKind.h"
#include "Conversionform.h"
#include "DrawingStrip.h"
#include "EditorControl.h"
#include "GridControl.h"
#include "WorksheetConversionTarget.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

// The conversions dialog over the real worksheet: what the user sees in the grid, the
// editor and the value box after each way out of the dialog.
class ConversionIntoWorksheet : public WorksheetFixture {
protected:
    // Term 10 typed into row 4; the user goes back to `row` with the up arrow.
    void prepareSheet(int row) {
        for (int step = 0; step < 3; ++step)
            QTest::keyClick(&form().Entry(), Qt::Key_Return);
        QTest::keyClicks(&form().Entry(), QStringLiteral("10"));
        for (int step = 4; step > row; --step)
            QTest::keyClick(&form().Entry(), Qt::Key_Up);
    }

    // The menu's part: the kind, a fresh dialog, shown over the worksheet.
    void openDialog(const QString& kind) {
        program->records().conversionKind = kind;
        target = std::make_unique<WorksheetConversionTarget>(form());
        dialog = std::make_unique<Conversionform>(*target, program->records().conversionKind,
                                                  program->locale(), &form());
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    void convert(const QString& rate, const QString& price) {
        QTest::keyClicks(&dialog->Conversionbox(0), rate);
        QTest::keyClicks(&dialog->Conversionbox(1), price);
        QTest::mouseClick(&dialog->Thebutton(0), Qt::LeftButton);
    }

    // The worksheet active again after the dialog has gone.
    void backOnTheWorksheet() {
        ASSERT_FALSE(dialog->isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    }

    QString cell(int row) const { return program->worksheet().Thegrid().cellText(row, 1); }

    void TearDown() override {
        dialog.reset();
        target.reset();
        WorksheetFixture::TearDown();
    }

    std::unique_ptr<WorksheetConversionTarget> target;
    std::unique_ptr<Conversionform> dialog;
};

// Worked example: a P/E ratio of 12.5 at a price of 40 is 3.20 earnings in row 1, that
// cell alone highlighted; the emptied editor does not overwrite the cell and takes the
// focus from wherever it was; the value is recalculated.
TEST_F(ConversionIntoWorksheet, RatioWritesEarnings) {
    prepareSheet(1);
    form().Thegrid().setHighlight({4, 1, 5, 1});
    form().Picture2().setFocus();
    openDialog(ConversionKind::priceEarnings);
    convert(QStringLiteral("12.5"), QStringLiteral("40"));
    backOnTheWorksheet();

    EXPECT_EQ(cell(1), QStringLiteral("3.20"));
    EXPECT_EQ(form().Thegrid().row(), 1);
    EXPECT_EQ(form().Thegrid().column(), 1);
    EXPECT_EQ(form().Thegrid().highlight(), (GridControl::Range{1, 1, 1, 1}));
    EXPECT_EQ(form().Entry().text(), QString());
    EXPECT_EQ(form().Entry().selectionStartIndex(), 0);
    EXPECT_EQ(form().Entry().selectionLengthCount(), 0);
    EXPECT_EQ(QApplication::focusWidget(), &form().Entry());
    EXPECT_EQ(program->valuation().earnings, 3.2f);
    // 3.2 capitalised at 4 % and discounted over 10 years: 80 / 1.04^10 = 54.04.
    EXPECT_EQ(form().Valuebox().text(), QStringLiteral("54 (No dividends)"));
}

// Worked example: a yield of 2.5 % at a price of 40 is 1.00 dividends in row 2. The editor
// still held row 1's text when the dialog opened; emptying it must not touch either cell.
TEST_F(ConversionIntoWorksheet, YieldWritesDividends) {
    prepareSheet(1);
    QTest::keyClicks(&form().Entry(), QStringLiteral("2"));
    QTest::keyClick(&form().Entry(), Qt::Key_Down);
    openDialog(ConversionKind::dividendYield);
    convert(QStringLiteral("2.5"), QStringLiteral("40"));
    backOnTheWorksheet();

    EXPECT_EQ(cell(1), QStringLiteral("2"));
    EXPECT_EQ(cell(2), QStringLiteral("1.00"));
    EXPECT_EQ(form().Thegrid().row(), 2);
    EXPECT_EQ(form().Thegrid().highlight(), (GridControl::Range{2, 1, 2, 1}));
    EXPECT_EQ(program->valuation().dividends, 1.0f);
    EXPECT_EQ(program->valuation().earnings, 2.0f);
    EXPECT_NE(form().Valuebox().text(), QStringLiteral("Term missing"));
    EXPECT_FALSE(form().Valuebox().text().endsWith(QStringLiteral("(No dividends)")));
}

// A failed conversion and a closed dialog leave the worksheet as it was: cells, current
// cell, highlight, editor, value, and the focus where the user left it.
TEST_F(ConversionIntoWorksheet, FailureThenCloseChangesNothing) {
    prepareSheet(1);
    QTest::keyClicks(&form().Entry(), QStringLiteral("2"));
    form().Picture2().setFocus();
    const QString value = form().Valuebox().text();
    const QString editor = form().Entry().text();
    const auto highlight = form().Thegrid().highlight();

    openDialog(ConversionKind::priceEarnings);
    convert(QStringLiteral("12.5"), QString());
    EXPECT_TRUE(dialog->isVisible());
    dialog->Conversionbox(0).selectAll();
    convert(QStringLiteral("0"), QStringLiteral("40"));
    EXPECT_TRUE(dialog->isVisible());
    QTest::mouseClick(&dialog->Thebutton(1), Qt::LeftButton);
    backOnTheWorksheet();

    EXPECT_EQ(cell(1), QStringLiteral("2"));
    EXPECT_EQ(cell(2), QString());
    EXPECT_EQ(form().Thegrid().row(), 1);
    EXPECT_EQ(form().Thegrid().highlight(), highlight);
    EXPECT_EQ(form().Entry().text(), editor);
    EXPECT_EQ(form().Valuebox().text(), value);
    EXPECT_EQ(program->valuation().earnings, 2.0f);
    EXPECT_EQ(QApplication::focusWidget(), &form().Picture2());
}

} // namespace
