// The one main() of every GoogleTest executable: the tests run on Qt's offscreen platform
// in the C locale, whatever the machine is set to, so that number texts and widget sizes
// do not depend on where they run. A test that needs another locale passes a NumberLocale
// of its own.

#include <QApplication>

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C");
    std::setlocale(LC_ALL, "C");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    // Tests open and close windows one after another; the last one closing must not end
    // the application.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
