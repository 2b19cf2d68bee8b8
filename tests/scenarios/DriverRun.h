#pragma once

#include <QString>
#include <QStringList>

// One run of the scenario driver on a script, with LC_ALL=C and the offscreen platform.
struct DriverRun {
    bool started = false;
    bool timedOut = false;
    bool crashed = false;
    int exitStatus = -1;
    QStringList outputLines;
    QString errorOutput;
};

DriverRun runDriver(const QString& driver, const QStringList& arguments, int timeoutMilliseconds);
