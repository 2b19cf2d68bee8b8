#include "app/ApplicationSetup.h"

#include <QApplication>
#include <QString>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform says for every new window that it cannot pass size hints on; the
// line would only break up the benchmark table.
void quietMessageHandler(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    if (qtHandler != nullptr)
        qtHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

// The worksheet benchmarks need the application object; without a display of its own the
// run goes to Qt's offscreen platform, the way the tests run.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(quietMessageHandler);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication application(argc, argv);
    // As the program sets itself up, so that every step draws with the program's style.
    setUpApplication();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
