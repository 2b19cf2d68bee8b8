#include "WorksheetFixture.h"

#include "CommandButtons.h"
#include "EditorControl.h"
#include "GridControl.h"

#include <QLabel>

namespace {

// A worksheet whose locale writes the decimal comma and groups with the period.
class DecimalCommaWorksheet : public WorksheetFixture {
protected:
    void SetUp() override {
        program = std::make_unique<ValmoraProgram>(services, NumberLocale{",", "."});
        program->start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
    }
};

using WorksheetReactions = WorksheetFixture;

// State: a cell holding a number followed by letters (only the program can write such a
// text). Action: Up +1. Expected: the leading number plus one.
TEST_F(WorksheetReactions, UpReadsTheLeadingNumber) {
    form().Thegrid().setText(QStringLiteral("12abc"));
    form().commandButtons().release(CommandButtons::Up);
    EXPECT_EQ(form().Thegrid().cellText(1, 1), QStringLiteral("13"));
}

// Fractions stay exact enough to read back: 0.1 + 1 shows as 1.1, not a long tail.
TEST_F(WorksheetReactions, StepsWriteShortDecimalText) {
    form().Thegrid().setText(QStringLiteral("0.1"));
    form().commandButtons().release(CommandButtons::Up);
    EXPECT_EQ(form().Thegrid().cellText(1, 1), QStringLiteral("1.1"));
    form().commandButtons().release(CommandButtons::Down);
    form().commandButtons().release(CommandButtons::Down);
    EXPECT_EQ(form().Thegrid().cellText(1, 1), QStringLiteral("-0.9"));
}

// Under a decimal-comma locale the comma passes the editor's check, but the computation
// reads the cell only up to it; the value shows the locale's decimal comma.
TEST_F(DecimalCommaWorksheet, CommaReachesTheCellAndStopsTheReading) {
    QTest::keyClicks(&form().Entry(), QStringLiteral("1,5"));
    EXPECT_EQ(form().Thegrid().cellText(1, 1), QStringLiteral("1,5"));
    EXPECT_EQ(program->valuation().earnings, 1.0f);
    QTest::keyClick(&form().Entry(), Qt::Key_Return);
    QTest::keyClicks(&form().Entry(), QStringLiteral("0"));
    QTest::keyClick(&form().Entry(), Qt::Key_Return);
    QTest::keyClicks(&form().Entry(), QStringLiteral("0"));
    QTest::keyClick(&form().Entry(), Qt::Key_Return);
    QTest::keyClicks(&form().Entry(), QStringLiteral("1"));
    // Earnings 1, no dividends, no growth, one year at 4 %: 1 / 0.04 / 1.04.
    EXPECT_EQ(form().Valuebox().text(), QStringLiteral("24,00 (No dividends)"));
}

// A cell count that cannot be read (beyond the double range) is a failed step, not a crash.
TEST_F(WorksheetReactions, UnreadableCellStepsNothing) {
    form().Thegrid().setText(QString(400, QLatin1Char('9')));
    form().commandButtons().release(CommandButtons::Up);
    EXPECT_EQ(form().Thegrid().cellText(1, 1), QString(400, QLatin1Char('9')));
    EXPECT_EQ(form().Valuebox().text(), QStringLiteral("Missing or incorrect data"));
}

} // namespace
