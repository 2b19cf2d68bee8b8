#pragma once

#include <QString>

#include <functional>

class PlatformServices;
class ProgramMenus;
struct ProgramRecords;

// What the menu entries do, each through the little it needs:
//   E&xit System        ends the program at once, without a question
//   &Convert opening    the conversion entries are offered by the worksheet's current row
//   PE to Earnings,     set ConversionKind and show the conversions dialog modally; the
//   Yield to Dividends  dialog is gone when the call returns
//   the notice entry    shows the notice dialog, modeless
//   Online &Help        sends the help key F1, which opens the help file at its contents
//   &TechInfo           the program's name, version and date in an information box
class MenuCommands {
public:
    struct Hooks {
        // Shows the conversions dialog modally for the kind in ProgramRecords::conversionKind.
        std::function<void()> showConversions;
        std::function<void()> showNotice;
        // Makes the conversion entries available as the worksheet's current row asks.
        std::function<void()> offerConversions;
    };

    MenuCommands(const ProgramMenus& menus, PlatformServices& services, ProgramRecords& records,
                 Hooks hooks);

    void exitSystem();
    void openConversions(const QString& kind);
    void showNotice();
    void openHelp();
    void showTechInfo();

private:
    PlatformServices& services_;
    ProgramRecords& records_;
    Hooks hooks_;
};
