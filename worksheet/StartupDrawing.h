#pragma once

class DrawingStrip;
class GridControl;
class ParameterCursor;
class QLabel;
struct WorksheetControls;

// What start-up draws on the worksheet, one named step each: the parameter titles, the
// disclaimer and the button line-up while it loads, the two scales at its first activation.
namespace StartupDrawing {

// The heading and the five row titles in column 0, and the first value cell highlighted.
void fillParameterTitles(GridControl& grid, ParameterCursor& cursor);
void writeDisclaimer(QLabel& warningBox);
// The buttons of each group close ranks; the help button ends flush with the grid.
void lineUpButtons(const WorksheetControls& controls);
// Growth from 40 at the top down to 0, a label every ten percent.
void drawGrowthScale(DrawingStrip& strip);
// Years under the pad, a label every five years.
void drawTermScale(DrawingStrip& strip);

} // namespace StartupDrawing
