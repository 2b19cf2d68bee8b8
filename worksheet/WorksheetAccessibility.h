#pragma once

class Valkubeform;
struct WorksheetControls;

// Gives every control of the worksheet a name (and, where the name alone does not say how
// to use it, a description) for assistive technology, describes the grid cells by their
// titles and keeps the invisible editor telling what the user sees of the parameter it
// edits and of the value. Labels are
// read by their captions as they are. The six command buttons are named by their hints.
void makeWorksheetAccessible(Valkubeform& window, const WorksheetControls& controls);
