#include "ScenarioActions.h"

#include "app/MDIForm1.h"
#include "tests/support/RecordingPlatformServices.h"
#include "ScenarioCommand.h"
#include "ScenarioFailure.h"
#include "ScenarioOutput.h"
#include "StateJson.h"
#include "UserInput.h"
#include "worksheet/Valkubeform.h"
#include "app/ValmoraProgram.h"
#include "WorksheetTargets.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QWindow>

namespace {

MessageResult messageResult(ScriptedAnswer answer) {
    switch (answer) {
    case ScriptedAnswer::Yes:
        return MessageResult::Yes;
    case ScriptedAnswer::No:
        return MessageResult::No;
    case ScriptedAnswer::Cancel:
        return MessageResult::Cancel;
    case ScriptedAnswer::Ok:
        break;
    }
    return MessageResult::Ok;
}

} // namespace

ScenarioActions::ScenarioActions(ValmoraProgram& program, RecordingPlatformServices& services,
                                 UserInput& input)
    : program_(program), services_(services), input_(input), menus_(program.menus(), input),
      dialogs_(input) {}

void ScenarioActions::run(const ScenarioCommand& command) {
    Valkubeform& form = program_.worksheet();
    switch (command.kind) {
    case CommandKind::Type:
        input_.typeText(command.text);
        break;
    case CommandKind::Key:
        input_.keyClick(command.key);
        break;
    case CommandKind::Shortcut:
        for (int i = 0; i < command.sequence.count(); ++i) {
            const QKeyCombination combination = command.sequence[i];
            input_.keyClick(
                *keyStrokeForCombination(combination.key(), combination.keyboardModifiers()));
        }
        break;
    case CommandKind::ClickCell:
        input_.click(
            WorksheetTargets::gridCell(form.controls().Thegrid, command.numbers[0], command.numbers[1]));
        break;
    case CommandKind::ClickDetail:
        input_.click(
            WorksheetTargets::gridCell(form.controls().Detailgrid, command.numbers[0], command.numbers[1]));
        break;
    case CommandKind::Pick:
        input_.click(WorksheetTargets::listEntry(form.controls().Yieldlist, command.numbers[0]));
        break;
    case CommandKind::ClickControl:
        input_.click(WorksheetTargets::control(form, command.text), command.button);
        break;
    case CommandKind::ClickScrollbar:
        input_.click(WorksheetTargets::scrollBar(form, command.text), command.button);
        break;
    case CommandKind::WheelDetail:
        input_.wheel(WorksheetTargets::control(form, QStringLiteral("Detailgrid")),
                     command.numbers[0]);
        break;
    case CommandKind::ClipboardSet:
        QGuiApplication::clipboard()->setText(command.text);
        break;
    case CommandKind::Press:
    case CommandKind::Release:
    case CommandKind::Button:
    case CommandKind::Hover:
    case CommandKind::HoverHint:
    case CommandKind::HoverSheet:
        runPointer(command);
        break;
    case CommandKind::PadPress:
    case CommandKind::PadMove:
    case CommandKind::PadRelease:
    case CommandKind::Drag:
        runPad(command);
        break;
    case CommandKind::Menu:
        menus_.openAndClose(command.text);
        break;
    case CommandKind::Choose:
        menus_.choose(command.text);
        break;
    case CommandKind::Answer:
        services_.setNextAnswer(messageResult(command.answer));
        break;
    case CommandKind::Show:
        printLine(stateJson(program_, services_));
        break;
    default:
        runWindow(command);
        break;
    }
}

void ScenarioActions::runPointer(const ScenarioCommand& command) {
    const Valkubeform& form = program_.worksheet();
    const int element = command.numbers.empty() ? 0 : command.numbers[0];
    switch (command.kind) {
    case CommandKind::Press:
        input_.press(WorksheetTargets::button(form, element), command.button);
        break;
    case CommandKind::Release:
        input_.release(command.outside ? WorksheetTargets::bareSurface(form)
                                       : WorksheetTargets::button(form, element));
        break;
    case CommandKind::Button:
        input_.click(WorksheetTargets::button(form, element), command.button);
        break;
    case CommandKind::Hover:
        input_.move(WorksheetTargets::button(form, element));
        break;
    case CommandKind::HoverHint:
        input_.move(WorksheetTargets::hint(form));
        break;
    default:
        input_.move(WorksheetTargets::bareSurface(form));
        break;
    }
}

void ScenarioActions::runPad(const ScenarioCommand& command) {
    const Valkubeform& form = program_.worksheet();
    const WidgetPoint first = WorksheetTargets::pad(form, command.points.front());
    switch (command.kind) {
    case CommandKind::PadPress:
        input_.press(first, command.button);
        break;
    case CommandKind::PadMove:
        input_.moveHolding(first, command.button);
        break;
    case CommandKind::PadRelease:
        input_.release(first);
        break;
    default:
        input_.press(first, Qt::LeftButton);
        for (std::size_t at = 1; at < command.points.size(); ++at)
            input_.move(WorksheetTargets::pad(form, command.points[at]));
        input_.release(WorksheetTargets::pad(form, command.points.back()));
        break;
    }
}

void ScenarioActions::runWindow(const ScenarioCommand& command) {
    switch (command.kind) {
    case CommandKind::DialogFocus:
        dialogs_.focusBox(command.numbers[0]);
        break;
    case CommandKind::DialogClick:
        dialogs_.clickButton(command.numbers[0]);
        break;
    case CommandKind::DialogClose:
        dialogs_.closeConversions();
        break;
    case CommandKind::NoticeClose:
        dialogs_.closeNotice();
        break;
    case CommandKind::CloseWorksheet:
        closeWorksheet();
        break;
    default:
        closeWindow(program_.frame());
        break;
    }
}

// The worksheet's own close box, on its sub-window in the frame. A modal dialog blocks it as
// it blocks the frame.
void ScenarioActions::closeWorksheet() {
    QMdiSubWindow* window = program_.frame().worksheetWindow();
    if (window == nullptr || !window->isVisible())
        failScenario(QStringLiteral("the worksheet is not open"));
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr)
        return;
    window->close();
}

// The close box: the window system asks the window to close, as a spontaneous event. While a
// modal dialog blocks the window, Qt lets no close request of the window system through.
void ScenarioActions::closeWindow(QWidget& window) {
    QWindow* handle = window.windowHandle();
    if (!window.isVisible() || handle == nullptr)
        failScenario(window.objectName() + QStringLiteral(" is not open"));
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->window() != &window)
        return;
    handle->close();
}
