#pragma once

#include "engine/NumberLocale.h"
#include "ProgramRecords.h"
#include "engine/ValuationState.h"

#include <memory>

class MDIForm1;
class MenuCommands;
class NoticeDialogOwner;
class PlatformServices;
class ProgramMenus;
class Valkubeform;
class WorksheetStartup;

// The system locale's decimal and grouping characters.
NumberLocale systemNumberLocale();

// The running program: the process-wide records, the frame with its menus and the worksheet
// inside it, created fresh for each program (so that tests never share state) and brought up
// by start(), the one start-up path of both the program and the scenario driver.
class ValmoraProgram {
public:
    // The number locale defaults to the system's; tests pass one of their own.
    explicit ValmoraProgram(PlatformServices& services, NumberLocale locale = systemNumberLocale());
    ~ValmoraProgram();
    ValmoraProgram(const ValmoraProgram&) = delete;
    ValmoraProgram& operator=(const ValmoraProgram&) = delete;

    // Loads the worksheet, which brings the frame up; its first activation follows at once.
    void start();

    MDIForm1& frame() const { return *frame_; }
    Valkubeform& worksheet() const { return *worksheet_; }
    ProgramMenus& menus() const { return *menus_; }
    ValuationState& valuation() { return valuation_; }
    ProgramRecords& records() { return records_; }
    const NumberLocale& locale() const { return locale_; }

private:
    // A fresh conversions dialog over the worksheet, run modally; gone when this returns.
    void showConversions();

    PlatformServices& services_;
    ValuationState valuation_;
    ProgramRecords records_;
    NumberLocale locale_;
    std::unique_ptr<MDIForm1> frame_;
    Valkubeform* worksheet_ = nullptr; // owned by its sub-window in the frame
    std::unique_ptr<ProgramMenus> menus_;
    std::unique_ptr<NoticeDialogOwner> notice_;
    std::unique_ptr<MenuCommands> commands_;
    std::unique_ptr<WorksheetStartup> startup_;
};
