#include "MenuInput.h"

#include "app/ProgramMenus.h"
#include "ScenarioFailure.h"
#include "UserInput.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

MenuInput::MenuInput(const ProgramMenus& menus, UserInput& input) : menus_(menus), input_(input) {}

void MenuInput::openAndClose(const QString& menuName) {
    clickTitle(menuName);
    if (!menus_.menu(menuName)->isVisible())
        failScenario(QStringLiteral("the menu %1 did not open").arg(menuName));
    closeIfOpen(menuName);
}

void MenuInput::choose(const QString& entryName) {
    const QString menuName = menuHolding(entryName);
    QMenu* menu = menus_.menu(menuName);
    QAction* entry = menus_.entry(entryName);
    clickTitle(menuName);
    if (!menu->isVisible())
        failScenario(QStringLiteral("the menu %1 did not open").arg(menuName));
    const WidgetPoint point{menu, QRectF(menu->actionGeometry(entry)).center()};
    input_.move(point);
    // Choosing may open a modal dialog; this click then returns once it has closed.
    input_.click(point);
    closeIfOpen(menuName);
}

void MenuInput::clickTitle(const QString& menuName) {
    QMenu* menu = menus_.menu(menuName);
    if (menu == nullptr)
        failScenario(QStringLiteral("the worksheet has no menu %1").arg(menuName));
    QMenuBar* bar = &menus_.bar();
    input_.click(WidgetPoint{bar, QRectF(bar->actionGeometry(menu->menuAction())).center()});
}

void MenuInput::closeIfOpen(const QString& menuName) {
    QMenu* menu = menus_.menu(menuName);
    if (menu != nullptr && menu->isVisible())
        clickTitle(menuName);
}

QString MenuInput::menuHolding(const QString& entryName) const {
    const QAction* entry = menus_.entry(entryName);
    if (entry == nullptr)
        failScenario(QStringLiteral("the worksheet has no menu entry %1").arg(entryName));
    for (const char* name : ProgramMenus::menuNames) {
        const QMenu* menu = menus_.menu(QLatin1String(name));
        if (menu != nullptr && menu->actions().contains(entry))
            return QLatin1String(name);
    }
    failScenario(QStringLiteral("no menu of the menu bar holds %1").arg(entryName));
}
