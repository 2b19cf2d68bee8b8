#include "SoakChecks.h"

#include "engine/Valuation.h"
#include "app/MDIForm1.h"
#include "worksheet/CommandButtons.h"
#include "worksheet/Valkubeform.h"
#include "worksheet/controls/PadControl.h"
#include "worksheet/controls/PictureButton.h"
#include "tests/driver/StateJson.h"
#include "app/ValmoraProgram.h"
#include "tests/support/ValueBoxText.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <string>

namespace {

[[noreturn]] void fail(const QString& message) {
    throw SoakFailure(message.toStdString());
}

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

SoakChecks::SoakChecks(ValmoraProgram& program, RecordingPlatformServices& services)
    : program_(program), services_(services) {
    const WorksheetControls& controls = program_.worksheet().controls();
    for (int element : {CommandButtons::Up, CommandButtons::Down}) {
        PictureButton& button = controls.Thebutton(element);
        QObject::connect(&button, &PictureButton::released, &button,
                         [this] { stepReached_ = true; });
    }
    QObject::connect(&controls.Picture1, &PadControl::mouseMoved, &controls.Picture1,
                     [this](Qt::MouseButtons buttons) {
                         if (buttons == Qt::LeftButton)
                             stepReached_ = true;
                     });
}

void SoakChecks::afterAction(const SoakAction& action, const SoakView& before) {
    const QJsonObject state = readState();
    checkValueBox(action, state.value(QLatin1String("value")).toString());

    const QJsonArray current = state.value(QLatin1String("current")).toArray();
    if (current.size() != 2 || current[1].toInt() != 1)
        fail(QStringLiteral("the grid's current column is not 1: ") +
             QJsonDocument(current).toJson(QJsonDocument::Compact));

    checkFocus(action, state);

    const bool converted = action.convertsIfValid && before.conversionsOpen &&
                           state.value(QLatin1String("dialog")).isNull();
    const bool stepped = !action.computesIfReached || stepReached_;
    stepReached_ = false;
    if ((action.computesFromCells && stepped) || converted)
        checkComputedFromCells(state);
}

QJsonObject SoakChecks::readState() {
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(stateJson(program_, services_).toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        fail(QStringLiteral("the state does not read as JSON: ") + error.errorString());
    return document.object();
}

void SoakChecks::checkValueBox(const SoakAction& action, const QString& value) {
    if (action.clears)
        emptyValueAllowed_ = true;
    if (!value.isEmpty())
        emptyValueAllowed_ = false;
    if (value.isEmpty()) {
        if (!emptyValueAllowed_)
            fail(QStringLiteral("the value box is empty, but Clear has not run"));
        ++counts_.emptyAfterClear;
        return;
    }
    if (!isValueBoxText(value.toStdString(), program_.locale()))
        fail(QStringLiteral("the value box holds ") + quoted(value) +
             QStringLiteral(", neither a message nor a formatted value"));
}

void SoakChecks::checkFocus(const SoakAction& action, const QJsonObject& state) {
    const QString focus = state.value(QLatin1String("focus")).toString();
    if (action.movesFocus)
        focusMayWander_ = true;
    if (focus == QLatin1String("Entry"))
        focusMayWander_ = false;
    const bool worksheetActive = QApplication::activeWindow() == &program_.frame();
    const bool dialogOrMenu = QApplication::activeModalWidget() != nullptr ||
                              QApplication::activePopupWidget() != nullptr ||
                              !state.value(QLatin1String("dialog")).isNull() ||
                              !state.value(QLatin1String("popup")).isNull();
    if (!worksheetActive || dialogOrMenu || focusMayWander_)
        return;
    ++counts_.focusChecked;
    if (focus != QLatin1String("Entry"))
        fail(QStringLiteral("the keyboard focus is on ") +
             (focus.isEmpty() ? QStringLiteral("no control") : focus) +
             QStringLiteral(", not in the editor"));
}

// The value box against the engine run afresh on the cells as the grid shows them.
void SoakChecks::checkComputedFromCells(const QJsonObject& state) {
    const QJsonArray cells = state.value(QLatin1String("cells")).toArray();
    if (cells.size() != 5)
        fail(QStringLiteral("the state shows %1 parameter cells").arg(cells.size()));
    auto cell = [&cells](int index) { return cells[index].toString().toStdString(); };
    const ValuationResult fresh =
        valuate({cell(0), cell(1), cell(2), cell(3), cell(4)}, ValuationState{}, program_.locale());
    ++counts_.recomputed;
    const QString shown = state.value(QLatin1String("value")).toString();
    if (shown.toStdString() != fresh.valueText)
        fail(QStringLiteral("the value box shows %1, but the cells %2 give %3")
                 .arg(quoted(shown),
                      QString::fromUtf8(QJsonDocument(cells).toJson(QJsonDocument::Compact)),
                      quoted(QString::fromStdString(fresh.valueText))));
}
