#include "ScenarioScript.h"

#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <utility>

namespace {

// A bad command or argument; it never leaves this file.
struct BadLine {
    QString message;
};

[[noreturn]] void reject(const QString& message) {
    throw BadLine{message};
}

QString quoted(const QString& word) {
    return QLatin1Char('"') + word + QLatin1Char('"');
}

void expectCount(const QStringList& words, qsizetype least, qsizetype most, const char* usage) {
    if (words.size() < least || words.size() > most)
        reject(QStringLiteral("expected %1").arg(QLatin1String(usage)));
}

int wholeNumber(const QString& word) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(word).hasMatch())
        reject(quoted(word) + QStringLiteral(" is not a whole number"));
    return word.toInt();
}

int element(const QString& word, int last) {
    const int number = wholeNumber(word);
    if (number > last)
        reject(QStringLiteral("element %1 is not one of 0 to %2").arg(number).arg(last));
    return number;
}

// Twips, optionally negative and with decimals: 659, -239.5.
double coordinate(const QString& word) {
    static const QRegularExpression decimal(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    if (!decimal.match(word).hasMatch())
        reject(quoted(word) + QStringLiteral(" is not a number"));
    return word.toDouble();
}

Qt::MouseButton mouseButton(const QString& word, bool noneAllowed) {
    if (word == QLatin1String("left"))
        return Qt::LeftButton;
    if (word == QLatin1String("right"))
        return Qt::RightButton;
    if (word == QLatin1String("middle"))
        return Qt::MiddleButton;
    if (noneAllowed && word == QLatin1String("none"))
        return Qt::NoButton;
    reject(QStringLiteral("unknown mouse button %1 (left, right, middle%2)")
               .arg(quoted(word), noneAllowed ? QStringLiteral(" or none") : QString()));
}

QString oneOf(const QString& word, std::initializer_list<const char*> names, const char* what) {
    for (const char* name : names) {
        if (word == QLatin1String(name))
            return word;
    }
    reject(QStringLiteral("unknown %1 %2").arg(QLatin1String(what), quoted(word)));
}

QPointF padPoint(const QStringList& words, qsizetype at) {
    return QPointF(coordinate(words[at]), coordinate(words[at + 1]));
}

using Parser = void (*)(const QStringList& words, ScenarioCommand& command);

void noArguments(const QStringList& words, ScenarioCommand&) {
    expectCount(words, 0, 0, "no arguments");
}

void key(const QStringList& words, ScenarioCommand& command) {
    expectCount(words, 1, 1, "a key name");
    const std::optional<KeyStroke> stroke = keyStrokeForName(words[0]);
    if (!stroke)
        reject(QStringLiteral("unknown key ") + quoted(words[0]));
    command.key = *stroke;
}

void cell(const QStringList& words, ScenarioCommand& command) {
    expectCount(words, 2, 2, "a row and a column");
    command.numbers = {wholeNumber(words[0]), wholeNumber(words[1])};
}

void pick(const QStringList& words, ScenarioCommand& command) {
    expectCount(words, 1, 1, "a list position");
    command.numbers = {wholeNumber(words[0])};
}

void buttonElement(const QStringList& words, ScenarioCommand& command) {
    expectCount(words, 1, 2, "an element and optionally left, right or middle");
    command.numbers = {element(words[0], 5)};
    if (words.size() == 2)
        command.button = mouseButton(words[1], false);
}

void release(const QStringList& words, ScenarioCommand& command) {
    expectCount(words, 1, 2, "an element and optionally outside");
    command.numbers = {element(words[0], 5)};
    if (words.size() == 2 && words[1] != QLatin1String("outside"))
        reject(QStringLiteral("expected outside, not ") + quoted(words[1]));
    command.outside = words.size() == 2;
}

void hover(const QStringList& words, ScenarioCommand& command) {
    expectCount(words, 1, 1, "an element");
    command.numbers = {element(words[0], 5)};
}

void padPress(const QStringList& words, ScenarioCommand& command) {
    expectCount(words, 2, 3, "X Y and optionally left, right or middle");
    command.points = {padPoint(words, 0)};
    if (words.size() == 3)
        command.button = mouseButton(words[2], false);
}

void padMove(const QStringList& words, ScenarioCommand& command) {
    expectCount(words, 2, 3, "X Y and optionally left, right, middle or none");
    command.points = {padPoint(words, 0)};
    if (words.size() == 3)
        command.button = mouseButton(words[2], true);
}

void padRelease(const QStringList& words, ScenarioCommand& command) {
    expectCount(words, 2, 2, "X Y");
    command.points = {padPoint(words, 0)};
}

void drag(const QStringList& words, ScenarioCommand& command) {
    if (words.size() < 4 || words.size() % 2 != 0)
        reject(QStringLiteral("expected two or more points: X1 Y1 X2 Y2 ..."));
    for (qsizetype at = 0; at < words.size(); at += 2)
        command.points.push_back(padPoint(words, at));
}

void menu(const QStringList& words, ScenarioCommand& command) {
    expectCount(words, 1, 1, "a menu name");
    command.text = oneOf(words[0], {"mnuExit", "conversionsmenu", "Aboutmenu", "Helpmenu"}, "menu");
}

void choose(const QStringList& words, ScenarioCommand& command) {
    expectCount(words, 1, 1, "a menu entry name");
    command.text = oneOf(words[0],
                         {"mnuExitsub", "PEtoearnings", "yieldtodividends", "infomenu",
                          "helpsubmenu", "mnuTechInfo"},
                         "menu entry");
}

void answer(const QStringList& words, ScenarioCommand& command) {
    expectCount(words, 1, 1, "yes, no, cancel or ok");
    const QString word = oneOf(words[0], {"yes", "no", "cancel", "ok"}, "answer");
    command.answer = word == QLatin1String("yes")  ? ScriptedAnswer::Yes
                     : word == QLatin1String("no") ? ScriptedAnswer::No
                     : word == QLatin1String("ok") ? ScriptedAnswer::Ok
                                                   : ScriptedAnswer::Cancel;
}

void dialogElement(const QStringList& words, ScenarioCommand& command) {
    expectCount(words, 1, 1, "an element");
    command.numbers = {element(words[0], 1)};
}

struct CommandSpec {
    const char* name;
    CommandKind kind;
    Parser parse;
};

constexpr std::array commandSpecs{
    CommandSpec{"key", CommandKind::Key, key},
    CommandSpec{"click-cell", CommandKind::ClickCell, cell},
    CommandSpec{"click-detail", CommandKind::ClickDetail, cell},
    CommandSpec{"pick", CommandKind::Pick, pick},
    CommandSpec{"press", CommandKind::Press, buttonElement},
    CommandSpec{"release", CommandKind::Release, release},
    CommandSpec{"button", CommandKind::Button, buttonElement},
    CommandSpec{"hover", CommandKind::Hover, hover},
    CommandSpec{"hover-hint", CommandKind::HoverHint, noArguments},
    CommandSpec{"hover-sheet", CommandKind::HoverSheet, noArguments},
    CommandSpec{"pad-press", CommandKind::PadPress, padPress},
    CommandSpec{"pad-move", CommandKind::PadMove, padMove},
    CommandSpec{"pad-release", CommandKind::PadRelease, padRelease},
    CommandSpec{"drag", CommandKind::Drag, drag},
    CommandSpec{"menu", CommandKind::Menu, menu},
    CommandSpec{"choose", CommandKind::Choose, choose},
    CommandSpec{"answer", CommandKind::Answer, answer},
    CommandSpec{"dialog-focus", CommandKind::DialogFocus, dialogElement},
    CommandSpec{"dialog-click", CommandKind::DialogClick, dialogElement},
    CommandSpec{"dialog-close", CommandKind::DialogClose, noArguments},
    CommandSpec{"notice-close", CommandKind::NoticeClose, noArguments},
    CommandSpec{"close-worksheet", CommandKind::CloseWorksheet, noArguments},
    CommandSpec{"close-frame", CommandKind::CloseFrame, noArguments},
    CommandSpec{"show", CommandKind::Show, noArguments},
};

// `type` and `shortcut` take the rest of the line as it stands, blanks included.
void parseRestOfLine(const QString& name, const QString& rest, ScenarioCommand& command) {
    if (rest.isEmpty())
        reject(name + QStringLiteral(" needs a text after one blank"));
    if (name == QLatin1String("type")) {
        command.kind = CommandKind::Type;
        command.text = rest;
        return;
    }
    command.kind = CommandKind::Shortcut;
    command.sequence = QKeySequence::fromString(rest, QKeySequence::PortableText);
    if (command.sequence.isEmpty())
        reject(QStringLiteral("unknown key sequence ") + quoted(rest));
    for (int i = 0; i < command.sequence.count(); ++i) {
        const QKeyCombination combination = command.sequence[i];
        if (!keyStrokeForCombination(combination.key(), combination.keyboardModifiers()))
            reject(QStringLiteral("unknown key sequence ") + quoted(rest));
    }
}

ScenarioCommand parseLine(const QString& line) {
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    const QString name = blank < 0 ? line : line.left(blank);
    ScenarioCommand command;
    if (name == QLatin1String("type") || name == QLatin1String("shortcut")) {
        parseRestOfLine(name, blank < 0 ? QString() : line.mid(blank + 1), command);
        return command;
    }
    const QString rest = blank < 0 ? QString() : line.mid(blank + 1).trimmed();
    const QStringList words = rest.isEmpty() ? QStringList() : rest.split(QLatin1Char(' '));
    if (words.contains(QString()))
        reject(QStringLiteral("words are separated by single blanks"));
    for (const CommandSpec& spec : commandSpecs) {
        if (name == QLatin1String(spec.name)) {
            command.kind = spec.kind;
            try {
                spec.parse(words, command);
            } catch (const BadLine& bad) {
                reject(name + QStringLiteral(": ") + bad.message);
            }
            return command;
        }
    }
    reject(QStringLiteral("unknown command ") + quoted(name));
}

} // namespace

ParsedScript parseScenario(const QString& script) {
    std::vector<ScenarioCommand> commands;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (qsizetype index = 0; index < lines.size(); ++index) {
        QString line = lines[index];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const qsizetype start = line.indexOf(QRegularExpression(QStringLiteral("\\S")));
        if (start < 0 || line[start] == QLatin1Char('#'))
            continue;
        const int lineNumber = static_cast<int>(index) + 1;
        try {
            ScenarioCommand command = parseLine(line.mid(start));
            command.line = lineNumber;
            commands.push_back(std::move(command));
        } catch (const BadLine& bad) {
            return ScriptError{lineNumber, bad.message};
        }
    }
    return commands;
}
