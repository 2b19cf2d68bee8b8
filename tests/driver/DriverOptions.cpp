#include "DriverOptions.h"

#include <QRegularExpression>

namespace {

std::optional<QSizeF> screenSize(const QString& text) {
    static const QRegularExpression size(
        QStringLiteral("^([0-9]+(?:\\.[0-9]+)?)x([0-9]+(?:\\.[0-9]+)?)$"));
    const QRegularExpressionMatch match = size.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
}

} // namespace

std::variant<DriverOptions, OptionsError> parseDriverOptions(const QStringList& arguments) {
    DriverOptions options;
    bool scriptNamed = false;
    for (qsizetype at = 0; at < arguments.size(); ++at) {
        const QString& argument = arguments[at];
        const bool takesValue =
            argument == QLatin1String("--screen") || argument == QLatin1String("--exe");
        if (takesValue && at + 1 == arguments.size())
            return OptionsError{argument + QStringLiteral(" needs a value")};
        if (argument == QLatin1String("--screen")) {
            options.screenTwips = screenSize(arguments[++at]);
            if (!options.screenTwips)
                return OptionsError{
                    QStringLiteral("--screen expects WIDTHxHEIGHT in twips, not \"%1\"")
                        .arg(arguments[at])};
        } else if (argument == QLatin1String("--exe")) {
            options.executablePath = arguments[++at];
        } else if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-")) {
            return OptionsError{QStringLiteral("unknown option ") + argument};
        } else if (scriptNamed) {
            return OptionsError{QStringLiteral("only one script can be run")};
        } else {
            options.scriptPath = argument == QLatin1String("-") ? QString() : argument;
            scriptNamed = true;
        }
    }
    return options;
}

QString driverUsage() {
    return QStringLiteral("usage: valmora-scenario [--screen WIDTHxHEIGHT] [--exe PATH] [SCRIPT]");
}
