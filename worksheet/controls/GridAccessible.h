#pragma once

class QAccessibleInterface;
class GridControl;

// How assistive technology sees a GridControl: a table of its movable cells only. The fixed
// row 0 gives the column headers (the detail table's "Present value"), the fixed column 0
// the row headers (the parameter titles); a cell is named by its text and reports the focus
// only while the grid has the keyboard and the cell is current.
QAccessibleInterface* gridAccessible(GridControl* grid);
