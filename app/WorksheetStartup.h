#pragma once

class Valkubeform;

// The worksheet's load (once, before it is visible) and its activation (each time it
// becomes the active window; only the first one draws the scales and places the focus).
// Every step stands on its own: one that fails is skipped and the next one runs.
class WorksheetStartup {
public:
    explicit WorksheetStartup(Valkubeform& form);

    void load();
    void activate();

private:
    void setProgramTexts();
    void setOuterSize();
    void setHelpFile();
    void placeWindow();
    void fillParameterTitles();
    void writeDisclaimer();
    void lineUpButtons();
    void drawGrowthScale();
    void drawTermScale();

    Valkubeform& form_;
};
