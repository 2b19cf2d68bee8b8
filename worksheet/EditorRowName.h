#pragma once

#include <QObject>

class EditorControl;
class GridControl;

// The invisible editor tells assistive technology which parameter it edits: its accessible
// name is the title of the parameter grid's current row ("Annual Earnings per Share").
//
// Within one reaction the program passes through other rows (a drag on the pad writes the
// term and the growth rate, then goes back; the valuation's own steps), so the name is
// brought up to date once the reaction is over: only the row the user ends up on is
// announced, once. Owned by the editor.
class EditorRowName : public QObject {
    Q_OBJECT

public:
    EditorRowName(GridControl& grid, EditorControl& editor);

    // Names the editor after the current row now.
    void update();

private:
    void scheduleUpdate();

    GridControl& grid_;
    EditorControl& editor_;
    bool updatePending_ = false;
};
