#include "ParameterCursor.h"

#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/GridControl.h"
#include "ParameterRow.h"

ParameterCursor::ParameterCursor(GridControl& grid, EditorControl& editor)
    : grid_(grid), editor_(editor) {}

void ParameterCursor::selectCell(int row, int column) {
    grid_.setHighlight({row, column, row, column});
}

void ParameterCursor::refocusEditor() {
    editor_.setSelection(0, static_cast<int>(editor_.text().size()));
    editor_.setFocus();
}

void ParameterCursor::moveToRow(int row) {
    grid_.setRow(row);
    selectCell(row, ParameterRow::valueColumn);
    refocusEditor();
}

void ParameterCursor::returnToFirstRow() {
    grid_.setColumn(ParameterRow::valueColumn);
    grid_.setRow(ParameterRow::first);
    selectCell(ParameterRow::first, ParameterRow::valueColumn);
    refocusEditor();
}

void ParameterCursor::restoreHighlightedRow() {
    grid_.setRow(grid_.highlight().startRow);
}

void ParameterCursor::writeParameter(int row, const QString& text) {
    grid_.setRow(row);
    grid_.setText(text);
}
