#pragma once

#include <QString>

class UserInput;
class ProgramMenus;

// The program's menus, worked with the mouse: a click on a title in the menu bar opens
// its menu (which raises aboutToShow), a click on an entry chooses it, and a second click on
// the title closes a menu that is still open.
class MenuInput {
public:
    MenuInput(const ProgramMenus& menus, UserInput& input);

    // Opens the menu-bar menu `menuName` and closes it again.
    void openAndClose(const QString& menuName);
    // Chooses the entry `entryName` through its menu; an unavailable entry does nothing.
    void choose(const QString& entryName);

private:
    void clickTitle(const QString& menuName);
    void closeIfOpen(const QString& menuName);
    QString menuHolding(const QString& entryName) const;

    const ProgramMenus& menus_;
    UserInput& input_;
};
