#include "tests/support/WorksheetFixture.h"

#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/GridControl.h"
#include "app/MDIForm1.h"
#include "worksheet/ParameterCursor.h"
#include "app/ProgramMenus.h"
#include "worksheet/controls/Twips.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

namespace {

using FrameTest = WorksheetFixture;

// State: a started program. Expected: one frame holding the worksheet as its only child, the
// worksheet's outer frame (its sub-window) where start-up put it in the frame's client area.
TEST_F(FrameTest, WorksheetIsTheFramesOnlyChild) {
    MDIForm1& frame = program->frame();
    EXPECT_EQ(frame.windowTitle(), "Valmora");
    EXPECT_TRUE(frame.isVisible());
    const QList<QMdiSubWindow*> children = frame.workspace().subWindowList();
    ASSERT_EQ(children.size(), 1);
    EXPECT_EQ(children.front()->widget(), &form());
    EXPECT_EQ(form().window(), &frame);
    EXPECT_EQ(frame.workspace().activeSubWindow(), children.front());
    EXPECT_EQ(children.front()->geometry(), form().controls().surface.twipsScale().toPixels(form().outerRect()));
    EXPECT_FALSE(frame.windowIcon().isNull());
}

// The worksheet's title bar shows the program's icon: the worksheet and its sub-window carry
// the frame's own icon object, so that every size of the picture is drawn only once.
TEST_F(FrameTest, WorksheetSharesTheFramesIcon) {
    const QIcon frameIcon = program->frame().windowIcon();
    ASSERT_FALSE(frameIcon.isNull());
    for (const QWidget* window :
         {static_cast<const QWidget*>(&form()),
          static_cast<const QWidget*>(program->frame().worksheetWindow())}) {
        EXPECT_FALSE(window->windowIcon().isNull()) << window->objectName().toStdString();
        EXPECT_EQ(window->windowIcon().cacheKey(), frameIcon.cacheKey())
            << window->objectName().toStdString();
    }
}

// The whole worksheet fits a common screen: the frame comes up maximised.
TEST_F(FrameTest, FrameStartsMaximised) {
    EXPECT_TRUE(program->frame().isMaximized());
}

// The menu bar with its names, captions and shortcuts, in the frame.
TEST_F(FrameTest, MenuBarHasEveryEntry) {
    struct Entry {
        const char* menu;
        const char* name;
        const char* caption;
        const char* shortcut;
    };
    const Entry entries[] = {
        {"mnuExit", "mnuExitsub", "E&xit System", ""},
        {"conversionsmenu", "PEtoearnings", "PE to Earnings", "Ctrl+E"},
        {"conversionsmenu", "yieldtodividends", "Yield to Dividends", "Ctrl+D"},
        {"Aboutmenu", "infomenu", nullptr, ""},
        {"Helpmenu", "helpsubmenu", "Online &Help", ""},
        {"Helpmenu", "mnuTechInfo", "&TechInfo", ""},
    };
    const ProgramMenus& menus = program->menus();
    EXPECT_EQ(&menus.bar(), program->frame().menuBar());
    for (const Entry& entry : entries) {
        QMenu* menu = menus.menu(QString::fromLatin1(entry.menu));
        QAction* action = menus.entry(QString::fromLatin1(entry.name));
        ASSERT_NE(menu, nullptr) << entry.menu;
        ASSERT_NE(action, nullptr) << entry.name;
        EXPECT_TRUE(menu->actions().contains(action)) << entry.name;
        if (entry.caption != nullptr) {
            EXPECT_EQ(action->text(), QString::fromLatin1(entry.caption));
        }
        EXPECT_EQ(action->shortcut().toString(), QString::fromLatin1(entry.shortcut)) << entry.name;
    }
    QStringList titles;
    for (QAction* action : menus.bar().actions())
        titles << action->text();
    EXPECT_EQ(titles, QStringList({"&File", "&Convert", "&About", "&Help"}));
}

// Closing the frame closes the worksheet, and that ends the program.
TEST_F(FrameTest, ClosingTheFrameEndsTheProgram) {
    EXPECT_FALSE(services.endRequested());
    program->frame().close();
    EXPECT_TRUE(services.endRequested());
}

// A modal dialog closing hands the front back to the frame, which re-activates the worksheet;
// a later activation only processes events: the current cell, the highlight, the editor and
// its focus stay as the user left them.
TEST_F(FrameTest, ClosingAModalDialogReactivatesTheWorksheet) {
    QTest::keyClicks(&form().controls().Entry, "12");
    form().cursor().moveToRow(3);
    int activations = 0;
    QObject::connect(&form(), &Valkubeform::activated, [&activations] { ++activations; });
    QDialog dialog(&program->frame());
    QTimer::singleShot(0, &dialog, [&dialog] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.accept();
    });
    dialog.exec();
    // What a window manager does when a dialog closes; the offscreen platform has none.
    program->frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program->frame()));
    QTest::qWait(20);
    EXPECT_GE(activations, 1);
    EXPECT_EQ(form().controls().Thegrid.row(), 3);
    EXPECT_EQ(form().controls().Thegrid.highlight(), (GridControl::Range{3, 1, 3, 1}));
    EXPECT_EQ(form().controls().Entry.text(), "12");
    EXPECT_EQ(QApplication::focusWidget(), &form().controls().Entry);
}

// State: the frame's close box has been clicked while an activation of the worksheet is
// under way. Action: the activation processes the pending events, in which the frame closes
// and the worksheet is deleted with its sub-window. Expected: the program has ended and the
// activation touches the deleted worksheet no more (the sanitizer build sees any touch).
TEST_F(FrameTest, ActivationOutlivedByItsWorksheet) {
    const QPointer<Valkubeform> worksheet(&form());
    QTimer::singleShot(0, &program->frame(), [this] {
        program->frame().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    emit worksheet->activated();
    EXPECT_TRUE(services.endRequested());
    EXPECT_TRUE(worksheet.isNull());
}

} // namespace
