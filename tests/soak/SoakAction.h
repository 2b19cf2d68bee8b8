#pragma once

#include <QString>

// One random user action: the script line that the scenario driver carries out, and what
// the generator knows it does, which tells the checks what to expect afterwards.
struct SoakAction {
    QString line;
    // The Clear button's command runs: the value box is empty until the next computation.
    bool clears = false;
    // A command that writes a parameter cell and then always computes (Up +1, Down -1, a
    // drag step on the pad): the value box shows what the five cells give.
    bool computesFromCells = false;
    // ... but only if the input reaches its control: the release a step button (Up +1,
    // Down -1), the left-button move the pad. A button held from before takes every click
    // until it goes up, and a pad dragged out of view by the worksheet's title bar hears
    // nothing.
    bool computesIfReached = false;
    // "OK" in the conversions dialog: when the dialog closes, a conversion was written and
    // computed, as for computesFromCells.
    bool convertsIfValid = false;
    // Tab: the user moves the keyboard focus on purpose, away from the editor.
    bool movesFocus = false;
    // A command whose target may be missing (a scroll bar that is not shown, a detail row out
    // of view); the driver's refusal is no failure then.
    bool mayNotApply = false;
};

// What the generator sees of the program before it makes up the next action.
struct SoakView {
    bool conversionsOpen = false;
    bool noticeOpen = false;
    bool detailShown = false;
    int detailRows = 0;
};
