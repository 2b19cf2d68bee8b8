#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// valmora-scenario [--screen WIDTHxHEIGHT] [--exe PATH] [SCRIPT]
struct DriverOptions {
    std::optional<QSizeF> screenTwips;     // default: the screen's own size
    std::optional<QString> executablePath; // default: the driver's own path
    QString scriptPath;                    // empty: standard input
};

struct OptionsError {
    QString message;
};

// `arguments` without the program name.
std::variant<DriverOptions, OptionsError> parseDriverOptions(const QStringList& arguments);

QString driverUsage();
