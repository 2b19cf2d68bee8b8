#include "DialogInput.h"

#include "ControlNames.h"
#include "ScenarioFailure.h"
#include "UserInput.h"

#include <QWidget>
#include <QWindow>

namespace {

QWidget* dialog(const char* name) {
    QWidget* window = ControlNames::openWindow(name);
    if (window == nullptr)
        failScenario(QStringLiteral("no %1 dialog is open").arg(QLatin1String(name)));
    return window;
}

} // namespace

DialogInput::DialogInput(UserInput& input) : input_(input) {}

void DialogInput::focusBox(int element) {
    clickControl(ControlNames::conversionsDialog, QStringLiteral("Conversionbox%1").arg(element));
}

void DialogInput::clickButton(int element) {
    clickControl(ControlNames::conversionsDialog, QStringLiteral("Thebutton%1").arg(element));
}

void DialogInput::closeConversions() {
    // The close box: the window system asks the window to close.
    QWindow* window = dialog(ControlNames::conversionsDialog)->windowHandle();
    if (window != nullptr)
        window->close();
}

void DialogInput::closeNotice() {
    clickControl(ControlNames::noticeDialog, QStringLiteral("Noticeclose"));
}

void DialogInput::clickControl(const char* dialogName, const QString& controlName) {
    QWidget* control = dialog(dialogName)->findChild<QWidget*>(controlName);
    if (control == nullptr || !control->isVisible())
        failScenario(QStringLiteral("the %1 dialog shows no %2")
                         .arg(QLatin1String(dialogName), controlName));
    input_.click(WidgetPoint{control, QRectF(control->rect()).center()});
}
