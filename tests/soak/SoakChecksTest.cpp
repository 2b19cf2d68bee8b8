// The soak's checks must fail on a program that breaks what a user relies on. Each case
// breaks one invariant by hand in a started program and expects the checks to notice, and
// the action that excuses it to be let through.

#include "SoakChecks.h"
#include "worksheet/controls/CaptionedLabel.h"
#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/controls/ListControl.h"
#include "app/MDIForm1.h"
#include "tests/support/RecordingPlatformServices.h"
#include "worksheet/Valkubeform.h"
#include "app/ValmoraProgram.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class SoakChecksTest : public ::testing::Test {
protected:
    void SetUp() override {
        program = std::make_unique<ValmoraProgram>(services);
        program->start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&program->frame()));
        QCoreApplication::processEvents();
        checks = std::make_unique<SoakChecks>(*program, services);
    }

    Valkubeform& form() { return program->worksheet(); }
    void check(const SoakAction& action = {}) { checks->afterAction(action, SoakView{}); }

    RecordingPlatformServices services{QSizeF(19200, 14400),
                                       QStringLiteral("/opt/valmora/bin/valmora")};
    std::unique_ptr<ValmoraProgram> program;
    std::unique_ptr<SoakChecks> checks;
};

TEST_F(SoakChecksTest, AFreshProgramPasses) {
    EXPECT_NO_THROW(check());
}

TEST_F(SoakChecksTest, ValueBoxTextsThatNoComputationWrites) {
    for (const char* text : {"12.345", "20.3", "1234", "-0.00", "NaN", "Invalid entry"}) {
        form().controls().Valuebox.setText(QString::fromLatin1(text));
        EXPECT_THROW(check(), SoakFailure) << text;
    }
    form().controls().Valuebox.setText(QStringLiteral("1,234 (No dividends)"));
    EXPECT_NO_THROW(check());
}

TEST_F(SoakChecksTest, AnEmptyValueBoxOnlyFromClearToTheNextComputation) {
    form().controls().Valuebox.clear();
    EXPECT_THROW(check(), SoakFailure);

    SoakAction clear;
    clear.clears = true;
    EXPECT_NO_THROW(check(clear));
    EXPECT_NO_THROW(check()); // still nothing computed since

    form().controls().Valuebox.setText(QStringLiteral("?"));
    EXPECT_NO_THROW(check());
    form().controls().Valuebox.clear();
    EXPECT_THROW(check(), SoakFailure);
}

TEST_F(SoakChecksTest, TheCurrentColumnIsOne) {
    form().controls().Thegrid.setColumn(0);
    EXPECT_THROW(check(), SoakFailure);
}

TEST_F(SoakChecksTest, AComputingCommandShowsWhatTheCellsGive) {
    SoakAction step;
    step.computesFromCells = true;
    form().controls().Thegrid.setCellText(1, 1, QStringLiteral("2"));
    form().controls().Thegrid.setCellText(4, 1, QStringLiteral("10"));
    EXPECT_THROW(check(step), SoakFailure); // the box still shows the start-up message
    EXPECT_NO_THROW(check());               // which other actions may leave behind

    form().computeValuation();
    EXPECT_NO_THROW(check(step));
}

TEST_F(SoakChecksTest, FocusAwayFromTheEditorUnlessTabbedAway) {
    ASSERT_EQ(QApplication::activeWindow(), &program->frame());
    form().controls().Yieldlist.setFocus();
    EXPECT_THROW(check(), SoakFailure);

    SoakAction tab;
    tab.movesFocus = true;
    EXPECT_NO_THROW(check(tab));
    EXPECT_NO_THROW(check()); // still away, as the user left it

    form().controls().Entry.setFocus();
    EXPECT_NO_THROW(check()); // back: from here on it must stay
    form().controls().Yieldlist.setFocus();
    EXPECT_THROW(check(), SoakFailure);
}

} // namespace
