#pragma once

class QWidget;
struct WorksheetControls;

// Gives every control of the worksheet a name (and, where the name alone does not say how
// to use it, a description) for assistive technology, describes the grid cells by their
// titles and keeps the invisible editor named after the parameter it edits. Labels are
// read by their captions as they are. The six command buttons are named by their hints.
void makeWorksheetAccessible(QWidget& window, const WorksheetControls& controls);
