#include "FirstPaintReport.h"

#include <QApplication>
#include <QWidget>

// The yardstick for Valmora's start-up: a Qt Widgets program that shows one empty window,
// maximised as Valmora's frame is, and reports its first paint the same way.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    reportFirstPaintIfAsked(window);
    window.showMaximized();
    return QApplication::exec();
}
