// The program as a user's session starts it: its number characters come from the system's
// locale, read once when the program is made. Each session below runs in a process of its
// own whose LANG names it (CMakeLists.txt here); the German one also needs the C library's
// de_DE.UTF-8, so that everything that would read or write numbers through the C library
// meets the decimal comma, and is skipped where the system lacks it.

#include "tests/support/WorksheetFixture.h"
#include "tests/support/WorksheetSteps.h"

#include "worksheet/CommandButtons.h"

#include <QLabel>

#include <clocale>
#include <ostream>
#include <string>

namespace {

struct Session {
    const char* name;
    const char* lang;
    NumberLocale expected;
    // P/E 12.5 (written the locale's way) at a price of 40, then Up +1 on the result.
    QString ratio;
    QString converted;
    QString stepped;
    float typedEarnings; // "1,5" typed into the earnings row
    QString groupedValue;
};
void PrintTo(const Session& s, std::ostream* os) {
    *os << s.name;
}

class SessionLocale : public WorksheetFixture, public ::testing::WithParamInterface<Session> {
protected:
    void SetUp() override {
        const Session& session = GetParam();
        ASSERT_EQ(qEnvironmentVariable("LANG"), QLatin1String(session.lang))
            << "the " << session.name << " session runs under LANG=" << session.lang
            << " (ctest sets it: ctest -R locale." << session.name << ")";
        if (session.expected.decimalSeparator != ".") {
            const std::string cDecimal = std::localeconv()->decimal_point;
            if (cDecimal != session.expected.decimalSeparator)
                GTEST_SKIP() << "the C library has no " << session.lang
                             << " locale here (scripts/common.sh generates it, as root); "
                                "the session's tests are skipped";
        }
        WorksheetFixture::SetUp();
    }
};

// State: the program started in the session. Expected: the worksheet got the locale's
// decimal and group separators from the system.
TEST_P(SessionLocale, ProgramTakesTheSystemsNumberCharacters) {
    EXPECT_EQ(program->locale().decimalSeparator, GetParam().expected.decimalSeparator);
    EXPECT_EQ(program->locale().groupSeparator, GetParam().expected.groupSeparator);
}

// State: earnings 2, dividends 1, growth 5, term 10, yield 10. Action: a P/E conversion,
// then Up +1 on the written earnings. Expected: each figure written the locale's way and
// read back in full.
TEST_P(SessionLocale, WrittenFiguresReadBackInFull) {
    const Session& session = GetParam();
    WorksheetSteps::fillCells(form(), {"2", "1", "5", "10", "10"}, 1);
    WorksheetSteps::convert(*program, ConversionKind::priceEarnings, session.ratio, "40");
    EXPECT_EQ(form().controls().Thegrid.cellText(1, 1), session.converted);
    EXPECT_EQ(program->valuation().earnings, 3.2f);
    form().controls().Thebutton(CommandButtons::Up).click();
    EXPECT_EQ(form().controls().Thegrid.cellText(1, 1), session.stepped);
    EXPECT_EQ(program->valuation().earnings, 4.2f);
}

// Action: "1,5" typed as the earnings, then a loss that shows grouped. Expected: the
// earnings read as the locale reads the comma; the value grouped the locale's way.
TEST_P(SessionLocale, TypedFiguresAndTheValueFollowTheLocale) {
    const Session& session = GetParam();
    WorksheetSteps::typeParameters(form(), {"1,5", "0", "0", "1", "100"});
    EXPECT_EQ(program->valuation().earnings, session.typedEarnings);
    WorksheetSteps::typeParameters(form(), {"-2469"});
    EXPECT_EQ(form().controls().Valuebox.text(), session.groupedValue);
}

const Session kSessions[] = {
    {"german", "de_DE.UTF-8", {",", "."}, "12,5", "3,20", "4,2", 1.5f, "-1.234,50 (No dividends)"},
    {"english", "en_US.UTF-8", {".", ","}, "12.5", "3.20", "4.2", 1.0f, "-1,234.50 (No dividends)"},
    // A locale the system does not know falls back to Qt's C locale.
    {"unknown", "xx_YY.UTF-8", {".", ","}, "12.5", "3.20", "4.2", 1.0f, "-1,234.50 (No dividends)"},
};
INSTANTIATE_TEST_SUITE_P(Sessions, SessionLocale, ::testing::ValuesIn(kSessions),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
