#include "DriverRun.h"

#include <QProcess>
#include <QProcessEnvironment>

DriverRun runDriver(const QString& driver, const QStringList& arguments, int timeoutMilliseconds) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(driver, arguments);

    DriverRun run;
    run.started = process.waitForStarted();
    if (!run.started) {
        run.errorOutput = process.errorString();
        return run;
    }
    if (!process.waitForFinished(timeoutMilliseconds)) {
        run.timedOut = true;
        process.kill();
        process.waitForFinished();
    }
    run.crashed = !run.timedOut && process.exitStatus() == QProcess::CrashExit;
    run.exitStatus = process.exitCode();
    const QString output = QString::fromUtf8(process.readAllStandardOutput());
    run.outputLines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    run.errorOutput = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}
