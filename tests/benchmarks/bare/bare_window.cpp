#include "app/probe/FirstPaintReport.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>
#include <memory>

// The yardstick for Valmora's start-up: a Qt Widgets program that shows one empty window,
// maximised as Valmora's frame is, and reports its first paint the same way. With --text
// the window shows one line of text, which is what loading the fonts costs on its own.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const bool withText = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    std::unique_ptr<QWidget> window =
        withText ? std::make_unique<QLabel>("Theoretic Stock Value:") : std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Bare"));
    reportFirstPaintIfAsked(*window);
    window->showMaximized();
    return QApplication::exec();
}
