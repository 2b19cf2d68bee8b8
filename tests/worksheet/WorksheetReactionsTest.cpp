#include "tests/support/WorksheetFixture.h"
#include "tests/support/WorksheetSteps.h"

#include "worksheet/CommandButtons.h"
#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/Fonts.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/controls/HoverLabel.h"
#include "worksheet/ParameterEditing.h"

#include <QFontMetrics>
#include <QLabel>

namespace {

using WorksheetReactions = WorksheetFixture;

// State: a cell holding a number followed by letters (only the program can write such a
// text). Action: Up +1. Expected: the leading number plus one.
TEST_F(WorksheetReactions, UpReadsTheLeadingNumber) {
    form().controls().Thegrid.setText(QStringLiteral("12abc"));
    form().controls().Thebutton(CommandButtons::Up).click();
    EXPECT_EQ(form().controls().Thegrid.cellText(1, 1), QStringLiteral("13"));
}

// Fractions stay exact enough to read back: 0.1 + 1 shows as 1.1, not a long tail.
TEST_F(WorksheetReactions, StepsWriteShortDecimalText) {
    form().controls().Thegrid.setText(QStringLiteral("0.1"));
    form().controls().Thebutton(CommandButtons::Up).click();
    EXPECT_EQ(form().controls().Thegrid.cellText(1, 1), QStringLiteral("1.1"));
    form().controls().Thebutton(CommandButtons::Down).click();
    form().controls().Thebutton(CommandButtons::Down).click();
    EXPECT_EQ(form().controls().Thegrid.cellText(1, 1), QStringLiteral("-0.9"));
}

// A cell count that cannot be read (beyond the double range) is a failed step, not a crash.
TEST_F(WorksheetReactions, UnreadableCellStepsNothing) {
    form().controls().Thegrid.setText(QString(400, QLatin1Char('9')));
    form().controls().Thebutton(CommandButtons::Up).click();
    EXPECT_EQ(form().controls().Thegrid.cellText(1, 1), QString(400, QLatin1Char('9')));
    EXPECT_EQ(form().controls().Valuebox.text(), QStringLiteral("Missing or incorrect data"));
}

} // namespace

namespace {

// The hint box is as wide as its text in the worksheet font plus a margin, under its button.
TEST_F(WorksheetReactions, HintFitsItsText) {
    WorksheetSteps::hoverButton(form(), CommandButtons::Down);
    const double textWidth =
        form().controls().surface.twipsScale().toTwips(QFontMetrics(worksheetFont()).horizontalAdvance("Down -1"));
    EXPECT_EQ(form().controls().Yellowbox.text(), QStringLiteral("Down -1"));
    EXPECT_EQ(form().controls().Yellowbox.geometryTwips().left, 6060);
    EXPECT_EQ(form().controls().Yellowbox.geometryTwips().width, textWidth + 84);
}

// Moving within the same button leaves the hint box alone (no flicker).
TEST_F(WorksheetReactions, RepeatedMovesDoNotTouchTheHint) {
    WorksheetSteps::hoverButton(form(), CommandButtons::Detail);
    TwipsRect moved = form().controls().Yellowbox.geometryTwips();
    moved.left = 100;
    moved.width = 200;
    form().controls().Yellowbox.setGeometryTwips(moved);
    WorksheetSteps::hoverButton(form(), CommandButtons::Detail);
    EXPECT_EQ(form().controls().Yellowbox.geometryTwips().left, 100);
    EXPECT_EQ(form().controls().Yellowbox.geometryTwips().width, 200);
}

// The table's shape: five right-aligned columns.
TEST_F(WorksheetReactions, DetailTableHasItsColumns) {
    const char* const cells[] = {"2", "1", "5", "10", "10"};
    for (int row = 1; row <= 5; ++row)
        form().controls().Thegrid.setCellText(row, 1, QString::fromLatin1(cells[row - 1]));
    form().controls().Thebutton(CommandButtons::Detail).click();
    GridControl& table = form().controls().Detailgrid;
    ASSERT_TRUE(table.isVisible());
    for (int column = 0; column < 5; ++column) {
        EXPECT_TRUE(table.cellAlignment(0, column) & Qt::AlignRight) << column;
        EXPECT_TRUE(table.cellAlignment(5, column) & Qt::AlignRight) << column;
    }
    EXPECT_EQ(table.rowCount(), 12);
    EXPECT_EQ(form().focusWidget(), &form().controls().Entry);
}

} // namespace
