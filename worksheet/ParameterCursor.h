#pragma once

class EditorControl;
class GridControl;
class QString;

// The recurring steps that move the parameter grid's current cell and give the keyboard back
// to the invisible editor. Every reaction that moves between rows uses these, so that the
// grid's highlight and the editor's focus follow one rule.
class ParameterCursor {
public:
    ParameterCursor(GridControl& grid, EditorControl& editor);

    // Select cell: the highlighted range becomes the single cell (row, column).
    void selectCell(int row, int column);
    // Refocus editor: the editor's whole text selected, then the keyboard focus on it.
    void refocusEditor();
    // Makes `row` current in the value column's sense, highlights (row, 1) and refocuses
    // the editor; the editor keeps its text.
    void moveToRow(int row);
    // Back to the first row: column 1 and row 1 current, highlighted, editor refocused.
    void returnToFirstRow();
    // Makes current again the row at which the highlighted range starts: program row moves
    // leave the highlight behind, so this is the row the user last chose.
    void restoreHighlightedRow();
    // Writes a value cell through the current cell: `row` becomes current, then its text is
    // set. The highlight stays where it was.
    void writeParameter(int row, const QString& text);

private:
    GridControl& grid_;
    EditorControl& editor_;
};
