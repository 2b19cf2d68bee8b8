#pragma once

#include <QObject>

class CaptionedLabel;
class EditorControl;
class GridControl;

// The invisible editor tells assistive technology what a sighted user sees of it:
//   name         the title of the parameter grid's highlighted row ("Annual Earnings per
//                Share")
//   text         that row's value cell as the grid shows it (the editor itself may still
//                hold the row it came from: the first key typed replaces it)
//   description  the value box's reading ("Theoretic Stock Value: 20.3"), so that a screen
//                reader can speak the value without leaving the editor
//
// Within one reaction the program passes through other rows (a drag on the pad writes the
// term and the growth rate, then goes back; the valuation's own steps), so all three are
// brought up to date once the reaction is over: only where the user ends up is announced,
// once. Owned by the editor.
class EditorRowName : public QObject {
    Q_OBJECT

public:
    EditorRowName(GridControl& grid, EditorControl& editor, const CaptionedLabel& valueBox);

    // Brings the editor up to date now.
    void update();
    // Brings it up to date once the running reaction is over; for a new valuation, say.
    void scheduleUpdate();

private:
    GridControl& grid_;
    EditorControl& editor_;
    const CaptionedLabel& valueBox_;
    bool updatePending_ = false;
};
