// The driver's reading of scripts and command lines: what it accepts and, above all, that it
// refuses every malformed line before anything runs, naming the line.

#include "tests/driver/ScenarioScript.h"
#include "tests/driver/DriverOptions.h"
#include "tests/driver/KeyStroke.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

std::vector<ScenarioCommand> commandsOf(const char* script) {
    ParsedScript parsed = parseScenario(QString::fromUtf8(script));
    if (const auto* error = std::get_if<ScriptError>(&parsed)) {
        ADD_FAILURE() << "line " << error->line << ": " << error->message.toStdString();
        return {};
    }
    return std::get<std::vector<ScenarioCommand>>(parsed);
}

TEST(ScenarioScript, ReadsEveryCommandInOrder) {
    const auto commands =
        commandsOf("type 1\nkey Enter\nclick-cell 1 1\nclick-detail 3 2\npick 8\n"
                   "press 0\nrelease 0\nbutton 1\nhover 2\nhover-hint\nhover-sheet\n"
                   "pad-press 1 2\npad-move 3 4\npad-release 5 6\ndrag 1 2 3 4\n"
                   "menu conversionsmenu\nchoose PEtoearnings\nshortcut Ctrl+E\n"
                   "answer yes\ndialog-focus 1\ndialog-click 0\ndialog-close\n"
                   "notice-close\nclose-worksheet\nclose-frame\nshow\n");
    const std::vector<CommandKind> expected{
        CommandKind::Type,        CommandKind::Key,         CommandKind::ClickCell,
        CommandKind::ClickDetail, CommandKind::Pick,        CommandKind::Press,
        CommandKind::Release,     CommandKind::Button,      CommandKind::Hover,
        CommandKind::HoverHint,   CommandKind::HoverSheet,  CommandKind::PadPress,
        CommandKind::PadMove,     CommandKind::PadRelease,  CommandKind::Drag,
        CommandKind::Menu,        CommandKind::Choose,      CommandKind::Shortcut,
        CommandKind::Answer,      CommandKind::DialogFocus, CommandKind::DialogClick,
        CommandKind::DialogClose, CommandKind::NoticeClose, CommandKind::CloseWorksheet,
        CommandKind::CloseFrame,  CommandKind::Show};
    ASSERT_EQ(commands.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(commands[i].kind, expected[i]) << "command " << i;
        EXPECT_EQ(commands[i].line, static_cast<int>(i) + 1);
    }
}

TEST(ScenarioScript, SkipsCommentsAndBlankLinesButCountsThem) {
    const auto commands =
        commandsOf("#! args: --screen 1x1\n\n   # indented comment\n#> {\"a\": 1}\r\n  show\r\n");
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].kind, CommandKind::Show);
    EXPECT_EQ(commands[0].line, 5);
}

TEST(ScenarioScript, TypeTakesEverythingAfterTheFirstBlank) {
    const auto commands = commandsOf("type  1 2 \r\ntype #x\n");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].text, QStringLiteral(" 1 2 "));
    EXPECT_EQ(commands[1].text, QStringLiteral("#x"));
}

TEST(ScenarioScript, PadPositionsKeepSignAndDecimals) {
    const auto commands = commandsOf("pad-press -239.5 659\ndrag 0 0 10.25 -3 7 8\n");
    ASSERT_EQ(commands.size(), 2u);
    ASSERT_EQ(commands[0].points.size(), 1u);
    EXPECT_EQ(commands[0].points[0], QPointF(-239.5, 659));
    EXPECT_EQ(commands[1].points, (std::vector<QPointF>{{0, 0}, {10.25, -3}, {7, 8}}));
}

TEST(ScenarioScript, MouseButtonsDefaultToLeftAndMoveMayHoldNone) {
    const auto commands = commandsOf("press 3\npress 3 right\nbutton 4 middle\npad-move 1 1\n"
                                     "pad-move 1 1 none\nrelease 3\nrelease 3 outside\n");
    ASSERT_EQ(commands.size(), 7u);
    EXPECT_EQ(commands[0].button, Qt::LeftButton);
    EXPECT_EQ(commands[0].numbers, std::vector<int>{3});
    EXPECT_EQ(commands[1].button, Qt::RightButton);
    EXPECT_EQ(commands[2].button, Qt::MiddleButton);
    EXPECT_EQ(commands[3].button, Qt::LeftButton);
    EXPECT_EQ(commands[4].button, Qt::NoButton);
    EXPECT_FALSE(commands[5].outside);
    EXPECT_TRUE(commands[6].outside);
}

TEST(ScenarioScript, ArgumentsOfCellsAnswersAndKeys) {
    const auto commands = commandsOf("click-cell 4 1\nanswer no\nkey Ctrl+v\nshortcut Ctrl+D\n");
    ASSERT_EQ(commands.size(), 4u);
    EXPECT_EQ(commands[0].numbers, (std::vector<int>{4, 1}));
    EXPECT_EQ(commands[1].answer, ScriptedAnswer::No);
    EXPECT_EQ(commands[2].key.key, Qt::Key_V);
    EXPECT_EQ(commands[2].key.modifiers, Qt::ControlModifier);
    ASSERT_EQ(commands[3].sequence.count(), 1);
    EXPECT_EQ(commands[3].sequence[0].key(), Qt::Key_D);
    EXPECT_EQ(commands[3].sequence[0].keyboardModifiers(), Qt::ControlModifier);
}

TEST(ScenarioScript, ControlsAndScrollBarsByName) {
    const auto commands = commandsOf("click-control Picture2\nclick-control Detailgrid middle\n"
                                     "click-scrollbar Yieldlist right\n");
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].kind, CommandKind::ClickControl);
    EXPECT_EQ(commands[0].text, QStringLiteral("Picture2"));
    EXPECT_EQ(commands[0].button, Qt::LeftButton);
    EXPECT_EQ(commands[1].button, Qt::MiddleButton);
    EXPECT_EQ(commands[2].kind, CommandKind::ClickScrollbar);
    EXPECT_EQ(commands[2].text, QStringLiteral("Yieldlist"));
    EXPECT_EQ(commands[2].button, Qt::RightButton);
}

struct RejectedLine {
    const char* name;
    const char* script;
    int line;
    const char* messagePart;
};

void PrintTo(const RejectedLine& rejected, std::ostream* out) {
    *out << rejected.name;
}

class ScenarioScriptRejects : public testing::TestWithParam<RejectedLine> {};

TEST_P(ScenarioScriptRejects, NamesTheLine) {
    const RejectedLine& rejected = GetParam();
    const ParsedScript parsed = parseScenario(QString::fromUtf8(rejected.script));
    const auto* error = std::get_if<ScriptError>(&parsed);
    ASSERT_NE(error, nullptr) << "accepted: " << rejected.script;
    EXPECT_EQ(error->line, rejected.line);
    EXPECT_TRUE(error->message.contains(QString::fromUtf8(rejected.messagePart)))
        << error->message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    BadLines, ScenarioScriptRejects,
    testing::Values(
        RejectedLine{"UnknownCommand", "show\nfrobnicate 1\n", 2, "unknown command \"frobnicate\""},
        RejectedLine{"CommandNamesAreCaseSensitive", "Show\n", 1, "unknown command"},
        RejectedLine{"EmptyType", "type\n", 1, "type needs a text"},
        RejectedLine{"TypeWithOnlyTheBlank", "type \n", 1, "type needs a text"},
        RejectedLine{"UnknownKey", "key Return\n", 1, "unknown key \"Return\""},
        RejectedLine{"CtrlWithADigit", "key Ctrl+1\n", 1, "unknown key"},
        RejectedLine{"TwoKeys", "key Up Down\n", 1, "expected a key name"},
        RejectedLine{"CellWithOneNumber", "click-cell 1\n", 1, "expected a row and a column"},
        RejectedLine{"CellWithLetters", "click-detail a 1\n", 1, "\"a\" is not a whole number"},
        RejectedLine{"NegativeCell", "click-cell -1 1\n", 1, "not a whole number"},
        RejectedLine{"TwoBlanks", "click-cell 1  1\n", 1, "single blanks"},
        RejectedLine{"DecimalPosition", "pick 1.5\n", 1, "not a whole number"},
        RejectedLine{"ElementBeyondFive", "press 6\n", 1, "element 6 is not one of 0 to 5"},
        RejectedLine{"UnknownMouseButton", "button 1 up\n", 1, "unknown mouse button \"up\""},
        RejectedLine{"NoneOnlyForMoves", "pad-press 1 1 none\n", 1, "unknown mouse button"},
        RejectedLine{"ReleaseWithAButton", "release 1 left\n", 1, "expected outside"},
        RejectedLine{"CommaDecimal", "pad-press 1,5 2\n", 1, "\"1,5\" is not a number"},
        RejectedLine{"BareDecimalPoint", "pad-move .5 2\n", 1, "is not a number"},
        RejectedLine{"PadReleaseWithButton", "pad-release 1 2 left\n", 1, "expected X Y"},
        RejectedLine{"DragOfOnePoint", "drag 1 2\n", 1, "two or more points"},
        RejectedLine{"DragOfOddCount", "drag 1 2 3 4 5\n", 1, "two or more points"},
        RejectedLine{"UnknownMenu", "menu mnuExitsub\n", 1, "unknown menu \"mnuExitsub\""},
        RejectedLine{"MenuForEntry", "choose Helpmenu\n", 1, "unknown menu entry"},
        RejectedLine{"UnknownAnswer", "answer maybe\n", 1, "unknown answer"},
        RejectedLine{"DialogElementBeyondOne", "dialog-click 2\n", 1,
                     "element 2 is not one of 0 to 1"},
        RejectedLine{"ShowWithArgument", "show all\n", 1, "expected no arguments"},
        RejectedLine{"UnknownShortcut", "shortcut Ctrl+Nothing\n", 1, "unknown key sequence"},
        RejectedLine{"UnknownControl", "click-control Valuebox\n", 1,
                     "unknown control \"Valuebox\""},
        RejectedLine{"ControlWithoutName", "click-control\n", 1, "expected a control name"},
        RejectedLine{"ScrollBarOfAPicture", "click-scrollbar Picture1 right\n", 1,
                     "unknown control with a scroll bar"},
        RejectedLine{"ScrollBarWithTwoButtons", "click-scrollbar Yieldlist left right\n", 1,
                     "expected a control name"},
        RejectedLine{"ErrorAfterGoodLines", "type 1\n\n# note\nkey Enter\nbutton\n", 5,
                     "expected an element"}),
    [](const testing::TestParamInfo<RejectedLine>& info) { return std::string(info.param.name); });

TEST(KeyStroke, NamedKeysTypeWhatTheKeyboardTypes) {
    const auto enter = keyStrokeForName(QStringLiteral("Enter"));
    ASSERT_TRUE(enter);
    EXPECT_EQ(enter->key, Qt::Key_Return);
    EXPECT_EQ(enter->text, QStringLiteral("\r"));
    const auto up = keyStrokeForName(QStringLiteral("Up"));
    ASSERT_TRUE(up);
    EXPECT_TRUE(up->text.isEmpty());
    const auto backspace = keyStrokeForName(QStringLiteral("Backspace"));
    ASSERT_TRUE(backspace);
    EXPECT_EQ(backspace->text, QStringLiteral("\b"));
}

TEST(KeyStroke, ControlLettersTypeTheirControlCharacter) {
    const auto ctrlV = keyStrokeForName(QStringLiteral("Ctrl+V"));
    ASSERT_TRUE(ctrlV);
    EXPECT_EQ(ctrlV->key, Qt::Key_V);
    EXPECT_EQ(ctrlV->modifiers, Qt::ControlModifier);
    EXPECT_EQ(ctrlV->text, QString(QChar(22)));
    const auto ctrlE = keyStrokeForCombination(Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(ctrlE);
    EXPECT_EQ(ctrlE->text, QString(QChar(5)));
    const auto f1 = keyStrokeForCombination(Qt::Key_F1, Qt::NoModifier);
    ASSERT_TRUE(f1);
    EXPECT_TRUE(f1->text.isEmpty());
}

TEST(KeyStroke, CharactersUseTheirKeys) {
    EXPECT_EQ(keyStrokeForCharacter(QLatin1Char('7')).key, Qt::Key_7);
    EXPECT_EQ(keyStrokeForCharacter(QLatin1Char('.')).key, Qt::Key_Period);
    EXPECT_EQ(keyStrokeForCharacter(QLatin1Char(',')).key, Qt::Key_Comma);
    EXPECT_EQ(keyStrokeForCharacter(QLatin1Char('-')).key, Qt::Key_Minus);
    const KeyStroke a = keyStrokeForCharacter(QLatin1Char('a'));
    EXPECT_EQ(a.key, Qt::Key_A);
    EXPECT_EQ(a.text, QStringLiteral("a"));
    EXPECT_EQ(keyStrokeForCharacter(QLatin1Char(' ')).key, Qt::Key_Space);
}

TEST(DriverOptions, ReadsScreenExecutableAndScript) {
    const auto parsed = parseDriverOptions(
        {QStringLiteral("--screen"), QStringLiteral("9150x7800.5"), QStringLiteral("--exe"),
         QStringLiteral("/opt/x/Tarvin95"), QStringLiteral("a.scenario")});
    const auto* options = std::get_if<DriverOptions>(&parsed);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->screenTwips, QSizeF(9150, 7800.5));
    EXPECT_EQ(options->executablePath, QStringLiteral("/opt/x/Tarvin95"));
    EXPECT_EQ(options->scriptPath, QStringLiteral("a.scenario"));
}

TEST(DriverOptions, DefaultsLeaveEverythingToTheDriver) {
    const auto parsed = parseDriverOptions({});
    const auto* options = std::get_if<DriverOptions>(&parsed);
    ASSERT_NE(options, nullptr);
    EXPECT_FALSE(options->screenTwips);
    EXPECT_FALSE(options->executablePath);
    EXPECT_TRUE(options->scriptPath.isEmpty());
}

TEST(DriverOptions, RefusesMalformedCommandLines) {
    const std::vector<QStringList> bad{
        {QStringLiteral("--screen"), QStringLiteral("9150")},
        {QStringLiteral("--screen"), QStringLiteral("9150x")},
        {QStringLiteral("--screen"), QStringLiteral("-5x7")},
        {QStringLiteral("--exe")},
        {QStringLiteral("--verbose")},
        {QStringLiteral("a.scenario"), QStringLiteral("b.scenario")},
    };
    for (const QStringList& arguments : bad)
        EXPECT_TRUE(std::holds_alternative<OptionsError>(parseDriverOptions(arguments)))
            << arguments.join(QLatin1Char(' ')).toStdString();
}

} // namespace
