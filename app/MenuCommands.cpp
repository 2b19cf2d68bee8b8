#include "MenuCommands.h"

#include "conversions/ConversionKind.h"
#include "worksheet/PlatformServices.h"
#include "ProgramMenus.h"
#include "ProgramRecords.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

MenuCommands::MenuCommands(const ProgramMenus& menus, PlatformServices& services,
                           ProgramRecords& records, Hooks hooks)
    : services_(services), records_(records), hooks_(std::move(hooks)) {
    auto on = [&menus](const char* entry, auto command) {
        QObject::connect(menus.entry(QLatin1String(entry)), &QAction::triggered, &menus.bar(),
                         command);
    };
    on("mnuExitsub", [this] { exitSystem(); });
    on("PEtoearnings", [this] { openConversions(ConversionKind::priceEarnings); });
    on("yieldtodividends", [this] { openConversions(ConversionKind::dividendYield); });
    on("infomenu", [this] { showNotice(); });
    // Online Help sends the help key, so that both reach the help the same way.
    QAction* helpKey = &menus.helpKey();
    on("helpsubmenu", [helpKey] { helpKey->trigger(); });
    QObject::connect(helpKey, &QAction::triggered, &menus.bar(), [this] { openHelp(); });
    on("mnuTechInfo", [this] { showTechInfo(); });
    QObject::connect(menus.menu(QStringLiteral("conversionsmenu")), &QMenu::aboutToShow,
                     &menus.bar(), [this] {
                         if (hooks_.offerConversions)
                             hooks_.offerConversions();
                     });
}

void MenuCommands::exitSystem() {
    services_.endProgram();
}

void MenuCommands::openConversions(const QString& kind) {
    records_.conversionKind = kind;
    if (hooks_.showConversions)
        hooks_.showConversions();
}

void MenuCommands::showNotice() {
    if (hooks_.showNotice)
        hooks_.showNotice();
}

void MenuCommands::openHelp() {
    services_.openHelp(records_.helpFile);
}

void MenuCommands::showTechInfo() {
    services_.showMessage(
        {QStringLiteral("Application: %1 %2").arg(records_.applicationTitle, records_.versionDate),
         QStringLiteral("TechInfo"), MessageButtons::Ok, MessageIcon::Information});
}
