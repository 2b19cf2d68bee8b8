#pragma once

class ListControl;
class ParameterCursor;
class WorksheetActions;

// The target-yield list: an empty entry and the whole percentages 1 to 100. A pick writes
// the entry into the yield row and recalculates; the list then selects its empty entry again
// (guarded by Holdcalc), so that the same yield can be picked again at once.
class YieldPicking {
public:
    YieldPicking(ListControl& list, ParameterCursor& cursor, WorksheetActions& worksheet);

    // Fills the list and picks the starting yield of 4.
    void fillYieldList();
    void pick();

private:
    ListControl& list_;
    ParameterCursor& cursor_;
    WorksheetActions& worksheet_;
};
