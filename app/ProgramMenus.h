#pragma once

#include <QKeySequence>
#include <QString>

#include <map>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;

// The program's menu bar, built in one place on the frame: the menus and their entries, by
// the names the rest of the program knows them by (mnuExit, mnuExitsub, conversionsmenu,
// PEtoearnings, yieldtodividends, Aboutmenu, infomenu, Helpmenu, helpsubmenu, mnuTechInfo),
// with their captions and shortcuts. What the entries do is MenuCommands'.
//
// The help key F1 is an action of the frame as well, so that it is heard wherever the focus
// is in the frame; "Online Help" sends it.
class ProgramMenus {
public:
    explicit ProgramMenus(QMainWindow& frame);
    // The actions belong to the frame: a copy would hold the same ones.
    ProgramMenus(const ProgramMenus&) = delete;
    ProgramMenus& operator=(const ProgramMenus&) = delete;

    QMenuBar& bar() const { return *bar_; }
    // nullptr for a name the menu bar does not have.
    QMenu* menu(const QString& name) const;
    QAction* entry(const QString& name) const;
    QAction& helpKey() const { return *helpKey_; }

    // The menu-bar menus in their order, by name.
    static const char* const menuNames[4];

private:
    QMenu* addMenu(const QString& name, const QString& caption);
    QAction* addEntry(QMenu* menu, const QString& name, const QString& caption,
                      const QKeySequence& shortcut);

    QMenuBar* bar_;
    QAction* helpKey_ = nullptr;
    std::map<QString, QMenu*> menus_;
    std::map<QString, QAction*> entries_;
};
