#include "app/probe/FirstPaintReport.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <chrono>

namespace {

long long microsecondsNow() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// A window wholly covered by an opaque child, as the worksheet is covered by its surface:
// the window itself gets no paint event of its own.
class CoveredWindow {
public:
    CoveredWindow() : cover(&window) {
        window.resize(200, 100);
        cover.setAutoFillBackground(true);
        cover.setGeometry(0, 0, 200, 100);
    }
    QWidget window;
    QLabel cover{"covered"};
};

// What the program writes to standard output while `window` is shown, painted and
// repainted, with the report asked for or not.
std::string outputWhileShown(CoveredWindow& covered, bool asked) {
    if (asked)
        qputenv("VALMORA_REPORT_FIRST_PAINT", "1");
    else
        qunsetenv("VALMORA_REPORT_FIRST_PAINT");
    testing::internal::CaptureStdout();
    reportFirstPaintIfAsked(covered.window);
    covered.window.show();
    const bool exposed = QTest::qWaitForWindowExposed(&covered.window);
    QCoreApplication::processEvents();
    covered.window.repaint();
    QCoreApplication::processEvents();
    qunsetenv("VALMORA_REPORT_FIRST_PAINT");
    std::string output = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(exposed);
    return output;
}

// Asked for: exactly one line after the first paint, however often the window paints
// again, with a wall-clock time from that paint and the CPU time spent so far.
TEST(FirstPaintReport, OneLineAfterTheFirstPaint) {
    const long long before = microsecondsNow();
    CoveredWindow covered;
    const QString output = QString::fromStdString(outputWhileShown(covered, true));
    const long long after = microsecondsNow();

    const QRegularExpression line(QStringLiteral("^first-paint (\\d+) (\\d+)\\n$"));
    const QRegularExpressionMatch match = line.match(output);
    ASSERT_TRUE(match.hasMatch()) << output.toStdString();
    const long long painted = match.captured(1).toLongLong();
    EXPECT_GE(painted, before);
    EXPECT_LE(painted, after);
    EXPECT_GT(match.captured(2).toLongLong(), 0);
}

// Not asked for: the program writes nothing.
TEST(FirstPaintReport, SilentUnlessAsked) {
    CoveredWindow covered;
    EXPECT_EQ(outputWhileShown(covered, false), "");
}

} // namespace
