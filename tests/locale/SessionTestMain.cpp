// The main() of the session-locale tests. Unlike the shared one it leaves the locale to the
// environment the run is started in, as a user's session does; QApplication then sets the C
// library's locale from it, as it does for the program. Only the platform is pinned.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
