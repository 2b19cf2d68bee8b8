#pragma once

#include "worksheet/WorksheetContext.h"
#include "worksheet/controls/EditorReactions.h"

class EditorControl;
class GridControl;
class ParameterCursor;
class WorksheetActions;

// The invisible editor Entry and the parameter grid it feeds. The user never types into the
// grid: every keystroke goes to the editor, whose text is validated and copied into the
// current cell, after which the value is computed again.
//   cellEntered      the user made another cell current: load the editor from it
//   changed          the edit check: validate, copy into the cell, recalculate
//   keyPress         the character filter: Enter moves on, each row accepts its characters
//   keyDown          the row keys: arrows move between rows, Delete empties the cell
//   keyUp            recalculates once more while earnings are known
class ParameterEditing : public EditorReactions {
public:
    ParameterEditing(EditorControl& editor, GridControl& grid, ParameterCursor& cursor,
                     WorksheetActions& worksheet, const WorksheetContext& context);

    void cellEntered();

    void keyDown(int& keyCode) override;
    void keyPress(int& charCode) override;
    void keyUp(int keyCode) override;
    void changed() override;

private:
    void moveToRow(int row);

    EditorControl& editor_;
    GridControl& grid_;
    ParameterCursor& cursor_;
    WorksheetActions& worksheet_;
    const WorksheetContext& context_;
};
