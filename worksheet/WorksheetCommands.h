#pragma once

#include "worksheet/WorksheetContext.h"

class CaptionedLabel;
class DetailTableView;
class EditorControl;
class GridControl;
class ListControl;
class ParameterCursor;
class WorksheetActions;

// What the command buttons do once released: empty the worksheet, show or hide the detail
// table, end the program after asking, step the current parameter by one, open the help.
class WorksheetCommands {
public:
    struct Controls {
        GridControl& parameters;
        GridControl& detail;
        EditorControl& editor;
        ListControl& yieldList;
        CaptionedLabel& valueBox;
        CaptionedLabel& commentBox;
    };

    WorksheetCommands(const Controls& controls, ParameterCursor& cursor,
                      DetailTableView& detailTable, WorksheetActions& worksheet,
                      const WorksheetContext& context);

    // Empties the parameters, the value and the editor; the warning box and Holdcalc stay.
    void clearWorksheet();
    void showOrHideDetail();
    void closeAfterAsking();
    // Up +1 and Down -1 change the grid cell only; the editor keeps its text.
    void stepCurrentCell(double step);
    // Opens the help file at its contents.
    void openHelp();

private:
    Controls controls_;
    ParameterCursor& cursor_;
    DetailTableView& detailTable_;
    WorksheetActions& worksheet_;
    const WorksheetContext& context_;
};
