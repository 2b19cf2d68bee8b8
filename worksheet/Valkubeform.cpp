#include "Valkubeform.h"

#include "CommandButtons.h"
#include "CommandKeys.h"
#include "DetailTableView.h"
#include "PadDragging.h"
#include "ParameterCursor.h"
#include "ParameterEditing.h"
#include "ParameterRow.h"
#include "PlatformServices.h"
#include "ResultCopy.h"
#include "TypingRedirection.h"
#include "WorksheetAccessibility.h"
#include "WorksheetCommands.h"
#include "WorksheetLayout.h"
#include "YieldPicking.h"
#include "worksheet/controls/AccessibleControls.h"
#include "worksheet/controls/CaptionedLabel.h"
#include "worksheet/controls/DrawingStrip.h"
#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/Fonts.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/controls/HoverLabel.h"
#include "worksheet/controls/HoverSurface.h"
#include "worksheet/controls/ListControl.h"
#include "worksheet/controls/PadControl.h"

#include <QCloseEvent>

#include <cstddef>
#include <iterator>

Valkubeform::Valkubeform(const WorksheetContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), scale_(TwipsScale::forScreen(nullptr)) {
    // Before any control exists: assistive technology keeps the first interface it gets.
    installAccessibleControls();
    setObjectName(QStringLiteral("Valkubeform"));
    setWindowTitle(QStringLiteral("Valmora"));
    setFont(worksheetFont());

    controls_.emplace(buildWorksheetControls(*this, scale_));
    setCentralWidget(&controls_->surface);
    setTabOrder();
    refuseContextMenus();

    const WorksheetControls& c = *controls_;
    WorksheetActions& worksheet = *this;
    cursor_ = std::make_unique<ParameterCursor>(c.Thegrid, c.Entry);
    parameterEditing_ =
        std::make_unique<ParameterEditing>(c.Entry, c.Thegrid, *cursor_, worksheet, context_);
    detailTableView_ =
        std::make_unique<DetailTableView>(c.Thegrid, c.Detailgrid, c.commentbox, *cursor_,
                                          worksheet, context_.valuation, context_.locale);
    commands_ = std::make_unique<WorksheetCommands>(
        WorksheetCommands::Controls{c.Thegrid, c.Detailgrid, c.Entry, c.Yieldlist, c.Valuebox,
                                    c.commentbox},
        *cursor_, *detailTableView_, worksheet, context_);
    commandButtons_ = std::make_unique<CommandButtons>(c.buttons, c.Yellowbox, *commands_);
    resultCopy_ = std::make_unique<ResultCopy>(c.Detailgrid, c.Valuebox);
    commandKeys_ = std::make_unique<CommandKeys>(*this, c.Entry, *commandButtons_, *resultCopy_);
    yieldPicking_ = std::make_unique<YieldPicking>(c.Yieldlist, *cursor_, worksheet);
    padDragging_ =
        std::make_unique<PadDragging>(c.Picture1, c.Entry, *cursor_, worksheet, context_.valuation);
    connectReactions();
    new TypingRedirection(c.Entry, *cursor_, {&c.Thegrid, &c.Picture1, &c.Picture2, &c.Picture3});
    makeWorksheetAccessible(*this, c);

    // The editor lives beyond the right edge on purpose; a wider surface would bare it.
    // The window itself may grow: its own background is the surface's grey, so an enlarged
    // worksheet stays one colour and nothing is laid out anew.
    c.surface.setMaximumWidth(scale_.toPixels(WorksheetLayout::editor.left));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, WorksheetLayout::lightGrey);
    setPalette(grey);
    setAutoFillBackground(true);

    // As designed until start-up sets the window's outer size and place.
    outerRect_ = WorksheetLayout::clientArea;
}

Valkubeform::~Valkubeform() = default;

// The invisible editor keeps the keyboard whenever the worksheet is active: Tab reaches the
// other controls, but a click on one of them leaves the keyboard where it is (its reaction
// to the click still runs).
void Valkubeform::setTabOrder() {
    const WorksheetControls& c = *controls_;
    QWidget* order[] = {&c.Entry,    &c.Thegrid,  &c.Picture3, &c.Detailgrid,
                        &c.Picture1, &c.Picture2, &c.Yieldlist};
    // Before the order: changing a focus policy moves the widget in Qt's focus chain.
    for (QWidget* control : order) {
        if (control != &c.Entry)
            control->setFocusPolicy(Qt::TabFocus);
    }
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

// The worksheet has no context menus, not even Qt's own on the scroll bars: a right press
// is an ordinary press everywhere, and no menu of a parent takes over either.
void Valkubeform::refuseContextMenus() {
    setContextMenuPolicy(Qt::PreventContextMenu);
    for (QWidget* widget : findChildren<QWidget*>())
        widget->setContextMenuPolicy(Qt::PreventContextMenu);
}

void Valkubeform::connectReactions() {
    const WorksheetControls& c = *controls_;
    HoverLabel* hintBox = &c.Yellowbox;
    // The tooltip disappears as soon as the pointer leaves the buttons.
    connect(&c.surface, &HoverSurface::hovered, this, [hintBox] { hintBox->setText(QString()); });
    connect(hintBox, &HoverLabel::hovered, this, [hintBox] { hintBox->setText(QString()); });
    // The detail table never keeps the keyboard focus.
    EditorControl* editor = &c.Entry;
    connect(&c.Detailgrid, &GridControl::userMovedCurrentCell, this,
            [editor] { editor->setFocus(); });
}

void Valkubeform::setOuterSize(double width, double height) {
    outerRect_.width = width;
    outerRect_.height = height;
    applyOuterGeometry();
}

void Valkubeform::setOuterPosition(double left, double top) {
    outerRect_.left = left;
    outerRect_.top = top;
    applyOuterGeometry();
}

// The worksheet lives in a sub-window of the frame: the outer frame is that sub-window's
// geometry in the frame's client area, title bar and border included.
void Valkubeform::applyOuterGeometry() {
    QWidget* outer = parentWidget() != nullptr ? parentWidget() : this;
    outer->setGeometry(scale_.toPixels(outerRect_));
}

ValuationOutcome Valkubeform::computeValuation() {
    const WorksheetControls& c = *controls_;
    hideDetailTable();
    c.Thegrid.setColumn(ParameterRow::valueColumn);
    ParameterTexts cells;
    for (int row = ParameterRow::first; row <= ParameterRow::last; ++row)
        cells[static_cast<std::size_t>(row - ParameterRow::first)] =
            c.Thegrid.cellText(row, ParameterRow::valueColumn).toStdString();
    ValuationResult result = valuate(cells, context_.valuation, context_.locale);
    context_.valuation = result.figures;
    c.Valuebox.setText(QString::fromStdString(result.valueText));
    emit valued();
    return result.outcome;
}

void Valkubeform::hideDetailTable() {
    controls_->Detailgrid.hide();
}

void Valkubeform::closeEvent(QCloseEvent* event) {
    // Closing the worksheet ends the program; nothing is saved.
    event->accept();
    context_.services.endProgram();
}
