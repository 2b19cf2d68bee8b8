#pragma once

class PlatformServices;
class QWidget;
class Valkubeform;
struct ProgramRecords;

// The worksheet's load (once, before it is visible) and its activation (each time it
// becomes the active window; only the first one draws the scales and places the focus).
// Every step stands on its own: one that fails is skipped and the next one runs.
class WorksheetStartup {
public:
    // `frame` is the window that holds the worksheet; showing the worksheet brings it up.
    WorksheetStartup(Valkubeform& form, QWidget& frame, ProgramRecords& records,
                     PlatformServices& services);

    void load();
    void activate();

private:
    void setProgramTexts();
    void setOuterSize();
    void setHelpFile();
    void placeWindow();
    void showWorksheet();

    Valkubeform& form_;
    QWidget& frame_;
    ProgramRecords& records_;
    PlatformServices& services_;
};
