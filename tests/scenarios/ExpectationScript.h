#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

// The expectations written into a scenario script as comments, which the driver skips:
//   #! args: --screen 9150x7800      (first line only) options for the driver
//   #> {"key": value, ...}           after a `show`: what that show must print
//   #> exit 1                        the driver's exit status (default 0)
//   #> ended                         the program ends on the way (prints {"ended":true})
//   #> error TEXT                    standard error contains TEXT
// Several `#> {...}` lines after one show all apply to it.
struct ObjectExpectation {
    int line = 0;
    QJsonObject subset;
};

struct ShowExpectations {
    int showLine = 0;
    std::vector<ObjectExpectation> objects;
};

struct ScenarioExpectations {
    QStringList driverArguments;
    std::vector<ShowExpectations> shows; // one for every show, in script order
    int exitStatus = 0;
    std::optional<int> endedLine; // where `#> ended` was written
    std::vector<std::pair<int, QString>> errorTexts;
};

struct ExpectationError {
    int line = 0;
    QString message;
};

std::variant<ScenarioExpectations, ExpectationError> parseExpectations(const QString& script);
