#pragma once

// Valkubeform, the valuation worksheet: the one working window of the program.
//
// The parameter grid Thegrid (rows 1 to 5, column 1) is the single input of the valuation.
// Every reaction that changes a parameter writes it as text into its cell and then calls
// computeValuation(), which reads the five cells, has the engine value them, stores the
// figures in the shared ValuationState and shows the value or a message in Valuebox.
//
// The window builds and owns its controls (controls()) and the flag Holdcalc, and wires the
// reactions, each of which gets only the controls and peers it uses:
//   ParameterEditing   the invisible editor Entry: cell entry, edit check, character
//                      filter, row keys, release recalculation
//   CommandButtons     the picture buttons' look and hint; on release, WorksheetCommands
//   CommandKeys        PageUp, PageDown, Ctrl+T and Ctrl+N: the buttons' releases by key;
//                      Ctrl+C: ResultCopy, the value or the detail table to the clipboard
//   WorksheetCommands  Clear, Detail, Close, Up +1, Down -1, Help
//   YieldPicking       Yieldlist: FillYieldList and the pick reaction
//   PadDragging        the term and growth pad Picture1: a left-button drag sets the term
//                      and the growth rate, moves the cross-hair and recalculates
//   DetailTableView    FillDetailTable, the year-by-year table in Detailgrid
//   TypingRedirection  a digit typed on the grid, the pad or a scale goes to the editor
// makeWorksheetAccessible (WorksheetAccessibility.h) names the controls for screen readers.
// Start-up (load and first activation) is the application's; it drives this class.

#include "worksheet/WorksheetActions.h"
#include "worksheet/WorksheetContext.h"
#include "worksheet/WorksheetControls.h"
#include "worksheet/controls/Twips.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class CommandButtons;
class CommandKeys;
class DetailTableView;
class PadDragging;
class ResultCopy;
class ParameterCursor;
class ParameterEditing;
class WorksheetCommands;
class YieldPicking;

class Valkubeform : public QMainWindow, private WorksheetActions {
    Q_OBJECT

public:
    explicit Valkubeform(const WorksheetContext& context, QWidget* parent = nullptr);
    ~Valkubeform() override;

    const WorksheetControls& controls() const { return *controls_; }

    // The recurring steps between the parameter grid and the editor (Select cell, Refocus
    // editor, back to the first row).
    ParameterCursor& cursor() const { return *cursor_; }
    YieldPicking& yieldPicking() const { return *yieldPicking_; }

    // The outer frame of the window that holds the worksheet (its sub-window in the frame's
    // client area), in twips, as the program set it.
    TwipsRect outerRect() const { return outerRect_; }
    void setOuterSize(double width, double height);
    void setOuterPosition(double left, double top);

    ValuationOutcome computeValuation() override;
    int Holdcalc() const override { return holdcalc_; }

signals:
    // Raised by the window that holds the worksheet each time the worksheet becomes the
    // active window.
    void activated();
    // Clear has emptied the worksheet.
    void cleared();
    // A valuation has written the value box.
    void valued();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void hideDetailTable() override;
    void setHoldcalc(int value) override { holdcalc_ = value; }
    void announceCleared() override { emit cleared(); }

    WorksheetControls createControls();
    void setTabOrder();
    void refuseContextMenus();
    void connectReactions();
    void applyOuterGeometry();

    WorksheetContext context_;
    TwipsScale scale_;
    int holdcalc_ = 0;
    TwipsRect outerRect_{};

    std::optional<WorksheetControls> controls_;
    std::unique_ptr<ParameterCursor> cursor_;
    std::unique_ptr<ParameterEditing> parameterEditing_;
    std::unique_ptr<DetailTableView> detailTableView_;
    std::unique_ptr<WorksheetCommands> commands_;
    std::unique_ptr<CommandButtons> commandButtons_;
    std::unique_ptr<ResultCopy> resultCopy_;
    std::unique_ptr<CommandKeys> commandKeys_;
    std::unique_ptr<YieldPicking> yieldPicking_;
    std::unique_ptr<PadDragging> padDragging_;
};
