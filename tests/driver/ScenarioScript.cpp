#include "ScenarioScript.h"

#include "ScriptArguments.h"

#include <QRegularExpression>

#include <array>
#include <utility>

namespace {

using namespace ScriptArguments;

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

void control(const QStringList& words, ScenarioCommand& command) {
    expectCount(words, 1, 2, "a control name and optionally left, right or middle");
    command.text =
        oneOf(words[0], {"Thegrid", "Detailgrid", "Yieldlist", "Picture1", "Picture2", "Picture3"},
              "control");
    if (words.size() == 2)
        command.button = mouseButton(words[1], false);
}

void scrollingControl(const QStringList& words, ScenarioCommand& command) {
    expectCount(words, 1, 2, "a control name and optionally left, right or middle");
    command.text =
        oneOf(words[0], {"Thegrid", "Detailgrid", "Yieldlist"}, "control with a scroll bar");
    if (words.size() == 2)
        command.button = mouseButton(words[1], false);
}

void dialogElement(const QStringList& words, ScenarioCommand& command) {
    expectCount(words, 1, 1, "an element");
    command.numbers = {element(words[0], 1)};
}

void notches(const QStringList& words, ScenarioCommand& command) {
    expectCount(words, 1, 1, "a number of notches");
    command.numbers = {signedNumber(words[0])};
}

struct CommandGrammar {
    const char* name;
    CommandKind kind;
    Parser parse;
};

constexpr std::array commandGrammars{
    CommandGrammar{"key", CommandKind::Key, key},
    CommandGrammar{"click-cell", CommandKind::ClickCell, cell},
    CommandGrammar{"click-detail", CommandKind::ClickDetail, cell},
    CommandGrammar{"pick", CommandKind::Pick, pick},
    CommandGrammar{"press", CommandKind::Press, buttonElement},
    CommandGrammar{"release", CommandKind::Release, release},
    CommandGrammar{"button", CommandKind::Button, buttonElement},
    CommandGrammar{"hover", CommandKind::Hover, hover},
    CommandGrammar{"hover-hint", CommandKind::HoverHint, noArguments},
    CommandGrammar{"hover-sheet", CommandKind::HoverSheet, noArguments},
    CommandGrammar{"pad-press", CommandKind::PadPress, padPress},
    CommandGrammar{"pad-move", CommandKind::PadMove, padMove},
    CommandGrammar{"pad-release", CommandKind::PadRelease, padRelease},
    CommandGrammar{"drag", CommandKind::Drag, drag},
    CommandGrammar{"menu", CommandKind::Menu, menu},
    CommandGrammar{"choose", CommandKind::Choose, choose},
    CommandGrammar{"answer", CommandKind::Answer, answer},
    CommandGrammar{"dialog-focus", CommandKind::DialogFocus, dialogElement},
    CommandGrammar{"dialog-click", CommandKind::DialogClick, dialogElement},
    CommandGrammar{"dialog-close", CommandKind::DialogClose, noArguments},
    CommandGrammar{"notice-close", CommandKind::NoticeClose, noArguments},
    CommandGrammar{"close-worksheet", CommandKind::CloseWorksheet, noArguments},
    CommandGrammar{"close-frame", CommandKind::CloseFrame, noArguments},
    CommandGrammar{"show", CommandKind::Show, noArguments},
    CommandGrammar{"click-control", CommandKind::ClickControl, control},
    CommandGrammar{"click-scrollbar", CommandKind::ClickScrollbar, scrollingControl},
    CommandGrammar{"wheel-detail", CommandKind::WheelDetail, notches},
};

// `type`, `clipboard-set` and `shortcut` take the rest of the line as it stands, blanks
// included.
void parseRestOfLine(const QString& name, const QString& rest, ScenarioCommand& command) {
    if (rest.isEmpty())
        reject(name + QStringLiteral(" needs a text after one blank"));
    if (name == QLatin1String("type") || name == QLatin1String("clipboard-set")) {
        command.kind = name == QLatin1String("type") ? CommandKind::Type : CommandKind::ClipboardSet;
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
    if (name == QLatin1String("type") || name == QLatin1String("clipboard-set") ||
        name == QLatin1String("shortcut")) {
        parseRestOfLine(name, blank < 0 ? QString() : line.mid(blank + 1), command);
        return command;
    }
    const QString rest = blank < 0 ? QString() : line.mid(blank + 1).trimmed();
    const QStringList words = rest.isEmpty() ? QStringList() : rest.split(QLatin1Char(' '));
    if (words.contains(QString()))
        reject(QStringLiteral("words are separated by single blanks"));
    for (const CommandGrammar& grammar : commandGrammars) {
        if (name == QLatin1String(grammar.name)) {
            command.kind = grammar.kind;
            try {
                grammar.parse(words, command);
            } catch (const BadArgument& bad) {
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
        } catch (const BadArgument& bad) {
            return ScriptError{lineNumber, bad.message};
        }
    }
    return commands;
}
