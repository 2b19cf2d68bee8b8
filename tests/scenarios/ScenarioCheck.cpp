// valmora-scenario-check DRIVER SCRIPT: runs the scenario driver on SCRIPT and checks what
// it prints against the expectations written into SCRIPT (see ExpectationScript.h).
// Exit status 0 when everything holds, 1 otherwise, with every failure on standard error.

#include "DriverRun.h"
#include "ExpectationScript.h"
#include "ScenarioVerdict.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

constexpr int driverTimeoutMilliseconds = 30000;

void report(const QString& text) {
    std::fputs(qPrintable(text + QLatin1Char('\n')), stderr);
}

QString where(const QString& path, int line) {
    return line > 0 ? QStringLiteral("%1:%2: ").arg(path).arg(line) : path + QStringLiteral(": ");
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        report(QStringLiteral("usage: valmora-scenario-check DRIVER SCRIPT"));
        return 1;
    }
    const QString& driver = arguments[1];
    const QString& path = arguments[2];

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        report(where(path, 0) + QStringLiteral("cannot read the script"));
        return 1;
    }
    const auto parsed = parseExpectations(QString::fromUtf8(file.readAll()));
    if (const auto* error = std::get_if<ExpectationError>(&parsed)) {
        report(where(path, error->line) + error->message);
        return 1;
    }
    const ScenarioExpectations& expectations = *std::get_if<ScenarioExpectations>(&parsed);

    const DriverRun run = runDriver(driver, expectations.driverArguments + QStringList{path},
                                    driverTimeoutMilliseconds);
    const std::vector<CheckFailure> failures = checkRun(expectations, run);
    for (const CheckFailure& failure : failures) {
        report(where(path, failure.line) + failure.message);
        if (!failure.actual.isEmpty())
            report(QStringLiteral("    actual state: ") + failure.actual);
    }
    if (failures.empty())
        return 0;
    if (!run.errorOutput.isEmpty())
        report(QStringLiteral("driver's standard error:\n") + run.errorOutput.trimmed());
    report(QStringLiteral("%1 failure(s) in %2").arg(failures.size()).arg(path));
    return 1;
}
