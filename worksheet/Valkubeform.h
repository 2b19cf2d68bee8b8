#pragma once

// Valkubeform, the valuation worksheet: the one working window of the program.
//
// The parameter grid Thegrid (rows 1 to 5, column 1) is the single input of the valuation.
// Every reaction that changes a parameter writes it as text into its cell and then calls
// computeValuation(), which reads the five cells again, stores the figures in the shared
// ValuationState and writes the value or a message into Valuebox (hiding the detail table).
//
// The window owns its controls and the flag Holdcalc; the reactions live in their own classes:
//   ParameterEditing  the invisible editor Entry: cell entry, edit check, character filter,
//                     row keys, release recalculation, conversion menu availability
//   CommandButtons    the picture buttons: pressed look, hint, commands, ClearWorksheet
//   YieldPicking      Yieldlist: FillYieldList and the pick reaction
//   PadDragging       the term and growth pad Picture1: a left-button drag sets the term and
//                     the growth rate, moves the cross-hair and recalculates
//   DetailTableView   FillDetailTable, the year-by-year table in Detailgrid
// makeWorksheetAccessible (WorksheetAccessibility.h) names the controls for screen readers.
// Start-up (load and first activation) is the application's; it drives this class.
//
// Holdcalc is 1 while the program itself moves between rows (Enter, arrow keys) and while
// the yield list resets itself: an editor change then does not recalculate and a yield pick
// is ignored. The first digit typed sets it back to 0.

#include "CaptionedLabel.h"
#include "ComputeValuation.h"
#include "ConversionEntries.h"
#include "Twips.h"
#include "WorksheetContext.h"

#include <QMainWindow>

#include <array>
#include <memory>

class DetailTableView;
class CommandButtons;
class DrawingStrip;
class EditorControl;
class GridControl;
class HoverLabel;
class HoverSurface;
class ListControl;
class PadControl;
class PadDragging;
class ParameterCursor;
class ParameterEditing;
class PictureButton;
class QLabel;
class YieldPicking;

class Valkubeform : public QMainWindow {
    Q_OBJECT

public:
    explicit Valkubeform(const WorksheetContext& context, QWidget* parent = nullptr);
    ~Valkubeform() override;

    // Controls, by the names the rest of the program knows them.
    GridControl& Thegrid() const { return *parameterGrid_; }
    GridControl& Detailgrid() const { return *detailGrid_; }
    EditorControl& Entry() const { return *editor_; }
    ListControl& Yieldlist() const { return *yieldList_; }
    PadControl& Picture1() const { return *pad_; }
    DrawingStrip& Picture2() const { return *growthScale_; }
    DrawingStrip& Picture3() const { return *termScale_; }
    HoverLabel& Yellowbox() const { return *hintBox_; }
    CaptionedLabel& Valuebox() const { return *valueBox_; }
    QLabel& Warningbox() const { return *warningBox_; }
    CaptionedLabel& commentbox() const { return *commentBox_; }
    // Elements 0 to 5 are the visible buttons; 10 to 15 and 20 to 25 the hidden stores.
    PictureButton& Thebutton(int element) const;
    HoverSurface& surface() const { return *surface_; }

    // The frame's two conversion entries, which the worksheet offers by the current row.
    const ConversionEntries& conversionEntries() const { return conversionEntries_; }
    void setConversionEntries(const ConversionEntries& entries) { conversionEntries_ = entries; }

    const TwipsScale& scale() const { return scale_; }
    const WorksheetContext& context() const { return context_; }

    // Positions the program holds, in twips.
    TwipsRect buttonRect(int element) const;
    void setButtonLeft(int element, double left);
    TwipsRect hintRect() const;
    void setHintGeometry(double left, double width);
    // The outer frame of the window that holds the worksheet (its sub-window in the frame's
    // client area), as the program set it.
    TwipsRect outerRect() const { return outerRect_; }
    void setOuterSize(double width, double height);
    void setOuterPosition(double left, double top);

    int Holdcalc() const { return holdcalc_; }
    void setHoldcalc(int value) { holdcalc_ = value; }

    // Runs the valuation against the grid and shows the result in Valuebox.
    ValuationOutcome computeValuation();
    // The recurring steps between the parameter grid and the editor (Select cell, Refocus
    // editor, back to the first row).
    ParameterCursor& cursor() const { return *cursor_; }
    // Opens the help file at its contents (F1, the Help button, the help menu).
    void requestHelp();

    ParameterEditing& parameterEditing() const { return *parameterEditing_; }
    CommandButtons& commandButtons() const { return *commandButtons_; }
    YieldPicking& yieldPicking() const { return *yieldPicking_; }
    DetailTableView& detailTableView() const { return *detailTableView_; }

signals:
    // Raised by the window that holds the worksheet each time the worksheet becomes the
    // active window.
    void activated();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class Sheet;

    void createControls();
    void createScalesAndPad();
    void createEditor();
    void createLabels();
    void createGrids();
    void createButtons();
    void setTabOrder();
    void refuseContextMenus();
    void connectReactions();
    void applyOuterGeometry();

    WorksheetContext context_;
    TwipsScale scale_;
    int holdcalc_ = 0;

    HoverSurface* surface_ = nullptr;
    ListControl* yieldList_ = nullptr;
    DrawingStrip* termScale_ = nullptr;
    DrawingStrip* growthScale_ = nullptr;
    PadControl* pad_ = nullptr;
    EditorControl* editor_ = nullptr;
    QLabel* termCaption_ = nullptr;
    GridControl* detailGrid_ = nullptr;
    GridControl* parameterGrid_ = nullptr;
    std::array<PictureButton*, 26> buttons_{};
    HoverLabel* hintBox_ = nullptr;
    CaptionedLabel* valueBox_ = nullptr;
    QLabel* warningBox_ = nullptr;
    QLabel* growthCaption_ = nullptr;
    QLabel* valueCaption_ = nullptr;
    CaptionedLabel* commentBox_ = nullptr;
    QLabel* yieldCaption_ = nullptr;

    ConversionEntries conversionEntries_;
    TwipsRect outerRect_{};

    std::unique_ptr<Sheet> sheet_;
    std::unique_ptr<ParameterCursor> cursor_;
    std::unique_ptr<ParameterEditing> parameterEditing_;
    std::unique_ptr<CommandButtons> commandButtons_;
    std::unique_ptr<YieldPicking> yieldPicking_;
    std::unique_ptr<PadDragging> padDragging_;
    std::unique_ptr<DetailTableView> detailTableView_;
};
