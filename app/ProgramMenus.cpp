#include "ProgramMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

const char* const ProgramMenus::menuNames[4] = {"mnuExit", "conversionsmenu", "Aboutmenu",
                                                "Helpmenu"};

ProgramMenus::ProgramMenus(QMainWindow& frame) : bar_(frame.menuBar()) {
    QMenu* file = addMenu("mnuExit", "&File");
    addEntry(file, "mnuExitsub", "E&xit System", {});
    QMenu* convert = addMenu("conversionsmenu", "&Convert");
    addEntry(convert, "PEtoearnings", "PE to Earnings", QKeySequence(Qt::CTRL | Qt::Key_E));
    addEntry(convert, "yieldtodividends", "Yield to Dividends", QKeySequence(Qt::CTRL | Qt::Key_D));
    QMenu* about = addMenu("Aboutmenu", "&About");
    addEntry(about, "infomenu", "&Notice", {});
    QMenu* help = addMenu("Helpmenu", "&Help");
    addEntry(help, "helpsubmenu", "Online &Help", {});
    addEntry(help, "mnuTechInfo", "&TechInfo", {});

    helpKey_ = new QAction(&frame);
    helpKey_->setObjectName(QStringLiteral("helpKey"));
    helpKey_->setShortcut(QKeySequence(Qt::Key_F1));
    helpKey_->setShortcutContext(Qt::WindowShortcut);
    frame.addAction(helpKey_);
}

QMenu* ProgramMenus::addMenu(const QString& name, const QString& caption) {
    QMenu* menu = bar_->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    menus_[name] = menu;
    return menu;
}

QAction* ProgramMenus::addEntry(QMenu* menu, const QString& name, const QString& caption,
                                const QKeySequence& shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    // The shortcuts work wherever the focus is in the frame, and only while their entry is
    // available.
    action->setShortcutContext(Qt::WindowShortcut);
    entries_[name] = action;
    return action;
}

QMenu* ProgramMenus::menu(const QString& name) const {
    auto found = menus_.find(name);
    return found == menus_.end() ? nullptr : found->second;
}

QAction* ProgramMenus::entry(const QString& name) const {
    auto found = entries_.find(name);
    return found == entries_.end() ? nullptr : found->second;
}
