#include "tests/support/WorksheetFixture.h"

#include "worksheet/controls/GridControl.h"
#include "worksheet/controls/PadControl.h"
#include "worksheet/ParameterRow.h"

#include <QLabel>
#include <QRegularExpression>

#include <limits>

namespace {

using PadDragging = WorksheetFixture;

// Button states other than the left button alone, which the driver cannot send: moves with
// two buttons held leave the pad, the cells and the value alone.
TEST_F(PadDragging, OnlyTheLeftButtonAloneDrags) {
    const QString valueBefore = form().controls().Valuebox.text();
    for (const Qt::MouseButtons buttons :
         {Qt::MouseButtons(Qt::LeftButton | Qt::RightButton),
          Qt::MouseButtons(Qt::LeftButton | Qt::MiddleButton), Qt::MouseButtons(Qt::RightButton),
          Qt::MouseButtons(Qt::NoButton)}) {
        emit form().controls().Picture1.mouseMoved(buttons, QPointF(659, 2399));
        EXPECT_EQ(form().controls().Picture1.verticalLineX(), 660) << buttons;
        EXPECT_EQ(form().controls().Picture1.horizontalLineY(), 2340) << buttons;
        EXPECT_EQ(form().controls().Thegrid.cellText(ParameterRow::Term, 1), QString()) << buttons;
        EXPECT_EQ(form().controls().Thegrid.cellText(ParameterRow::Growth, 1), QString()) << buttons;
        EXPECT_EQ(form().controls().Valuebox.text(), valueBefore) << buttons;
    }
}

// State: earnings present. Action: a drag step at a position far off the pad, as far as a
// double goes. Expected: the cells hold plain whole numbers (no exponent, no sign trouble),
// and the absurd term ends in the computation's own message, not a crash.
TEST_F(PadDragging, FarOffPositionsWritePlainWholeNumbers) {
    constexpr double huge = std::numeric_limits<double>::max();
    constexpr double infinite = std::numeric_limits<double>::infinity();
    const QRegularExpression wholeNumber(QStringLiteral("^-?[0-9]+$"));
    form().controls().Thegrid.setCellText(ParameterRow::Earnings, 1, QStringLiteral("1"));
    for (const QPointF position : {QPointF(huge, -huge), QPointF(-huge, huge),
                                   QPointF(infinite, -infinite), QPointF(1e12, -1e12)}) {
        emit form().controls().Picture1.mouseMoved(Qt::LeftButton, position);
        const QString term = form().controls().Thegrid.cellText(ParameterRow::Term, 1);
        const QString growth = form().controls().Thegrid.cellText(ParameterRow::Growth, 1);
        EXPECT_TRUE(wholeNumber.match(term).hasMatch()) << term.toStdString();
        EXPECT_TRUE(wholeNumber.match(growth).hasMatch()) << growth.toStdString();
        EXPECT_GE(term.toLongLong(), 0);
        const QString expectedValue = position.x() > 0 ? QStringLiteral("Missing or incorrect data")
                                                       : QStringLiteral("Term missing");
        EXPECT_EQ(form().controls().Valuebox.text(), expectedValue) << position.x();
    }
}

} // namespace
