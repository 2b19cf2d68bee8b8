#include "app/MDIForm1.h"
#include "app/ProgramMenus.h"
#include "app/QtPlatformServices.h"
#include "app/ValmoraProgram.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// The real services end the real main loop, so each case runs in a process of its own (as
// CTest runs them). The steps are queued to run back to back, as in one batch of input.
class ProgramEndTest : public ::testing::Test, public QObject {
protected:
    void SetUp() override { qApp->installEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<QDialog*>(object) != nullptr)
            ++(services.endRequested() ? lateDialogs : dialogs);
        return false;
    }
    template <typename Step> void queue(Step step) {
        QTimer::singleShot(0, &program.frame(), step);
    }
    void queueEntry(const char* name) {
        queue([this, name] { program.menus().entry(QLatin1String(name))->trigger(); });
    }

    // As main() does. A loop that outlives the end request keeps the process alive: the
    // alarm's signal then ends it, and the case fails.
    static void runMainLoop() {
        alarm(20);
        QApplication::exec();
        alarm(0);
    }

    QtPlatformServices services;
    ValmoraProgram program{services};
    int dialogs = 0;
    int lateDialogs = 0; // shown after the end was asked for
};

// The frame closed while start-up still handles pending events, before the main loop runs.
TEST_F(ProgramEndTest, AnEndDuringStartUpHolds) {
    queue([this] { program.frame().close(); });
    program.start();
    runMainLoop();
}

TEST_F(ProgramEndTest, AnOpenDialogEndsWithTheProgram) {
    program.start();
    queueEntry("yieldtodividends");
    queueEntry("mnuExitsub");
    runMainLoop();
    EXPECT_EQ(dialogs, 1);
}

// Neither the conversions nor a message box opens once the end was asked for.
TEST_F(ProgramEndTest, NothingOpensAfterTheEnd) {
    program.start();
    queueEntry("mnuExitsub");
    queueEntry("yieldtodividends");
    queueEntry("mnuTechInfo");
    runMainLoop();
    EXPECT_EQ(lateDialogs, 0);
}

} // namespace
