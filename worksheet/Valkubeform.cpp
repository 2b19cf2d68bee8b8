#include "Valkubeform.h"

#include "AccessibleControls.h"
#include "CommandButtons.h"
#include "DetailTableView.h"
#include "DrawingStrip.h"
#include "EditorControl.h"
#include "Fonts.h"
#include "GridControl.h"
#include "HoverLabel.h"
#include "HoverSurface.h"
#include "ListControl.h"
#include "PadControl.h"
#include "PadDragging.h"
#include "ParameterCursor.h"
#include "ParameterEditing.h"
#include "PictureButton.h"
#include "PlatformServices.h"
#include "ProgramRecords.h"
#include "ValuationSheet.h"
#include "WorksheetAccessibility.h"
#include "WorksheetLayout.h"
#include "YieldPicking.h"

#include <QCloseEvent>
#include <QLabel>

namespace {

template <typename Label = QLabel>
Label* makeLabel(QWidget* parent, const QString& name, const TwipsRect& rect,
                 const TwipsScale& scale, const QString& caption, bool bordered, bool centred) {
    auto* label = new Label(parent);
    label->setText(caption);
    label->setObjectName(name);
    placeTwips(*label, rect, scale);
    label->setFont(worksheetFont());
    label->setAutoFillBackground(true);
    if (bordered) {
        label->setFrameShape(QFrame::Box);
        label->setLineWidth(1);
    }
    label->setAlignment(centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void setColours(QWidget& widget, const QColor& background, const QColor& text) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    widget.setPalette(palette);
}

} // namespace

// The value grid as the computation sees it: reading a cell never moves the current cell.
class Valkubeform::Sheet : public ValuationSheet {
public:
    explicit Sheet(Valkubeform& form) : form_(form) {}
    void hideDetailTable() override { form_.detailGrid_->hide(); }
    std::string parameterText(int row) const override {
        return form_.parameterGrid_->cellText(row, 1).toStdString();
    }
    void setCurrentColumn(int column) override { form_.parameterGrid_->setColumn(column); }
    void setValueText(std::string_view text) override {
        form_.valueBox_->setText(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }

private:
    Valkubeform& form_;
};

Valkubeform::Valkubeform(const WorksheetContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), scale_(TwipsScale::forScreen(nullptr)),
      sheet_(std::make_unique<Sheet>(*this)) {
    // Before any control exists: assistive technology keeps the first interface it gets.
    installAccessibleControls();
    setObjectName(QStringLiteral("Valkubeform"));
    setWindowTitle(QStringLiteral("Valmora"));
    setFont(worksheetFont());

    createControls();
    setTabOrder();
    refuseContextMenus();

    cursor_ = std::make_unique<ParameterCursor>(*parameterGrid_, *editor_);
    parameterEditing_ = std::make_unique<ParameterEditing>(*this);
    commandButtons_ = std::make_unique<CommandButtons>(*this);
    yieldPicking_ = std::make_unique<YieldPicking>(*this);
    padDragging_ = std::make_unique<PadDragging>(
        *pad_, *detailGrid_, *cursor_, context_.valuation, [this] { computeValuation(); },
        *editor_);
    detailTableView_ = std::make_unique<DetailTableView>(*this);
    connectReactions();
    makeWorksheetAccessible(*this);

    // The editor lives beyond the right edge on purpose; a wider window would bare it.
    setMaximumWidth(scale_.toPixels(WorksheetLayout::editor.left));

    // As designed until start-up sets the window's outer size and place.
    outerRect_ = WorksheetLayout::clientArea;
}

Valkubeform::~Valkubeform() = default;

void Valkubeform::createControls() {
    surface_ = new HoverSurface(scale_, this);
    surface_->setObjectName(QStringLiteral("surface"));
    surface_->setAutoFillBackground(true);
    // Only the surface's own colour: the controls on it keep the system's window colour.
    QPalette surfacePalette = surface_->palette();
    surfacePalette.setColor(QPalette::Window, WorksheetLayout::lightGrey);
    surface_->setPalette(surfacePalette);
    setCentralWidget(surface_);

    // Creation order is stacking order: later windowed controls lie above earlier ones.
    // Labels are created first so that the grids and boxes cover them where they overlap.
    createLabels();
    yieldList_ = new ListControl(scale_, surface_);
    yieldList_->setObjectName(QStringLiteral("Yieldlist"));
    yieldList_->setGeometryTwips(WorksheetLayout::yieldList);
    yieldList_->setFont(worksheetFont(8.25, true));
    createScalesAndPad();
    createEditor();
    createGrids();
    createButtons();
    // The labels drawn on the surface itself lie beneath every windowed control.
    for (QLabel* label :
         std::initializer_list<QLabel*>{valueCaption_, growthCaption_, termCaption_, yieldCaption_,
                                        commentBox_, warningBox_, hintBox_, valueBox_})
        label->lower();
}

void Valkubeform::createLabels() {
    using namespace WorksheetLayout;
    const QColor windowText = palette().color(QPalette::WindowText);
    const QColor white = palette().color(QPalette::Base);

    termCaption_ = makeLabel(surface_, "Label3", termCaption, scale_, " Term (Years)", true, true);
    setColours(*termCaption_, white, windowText);
    hintBox_ = new HoverLabel(scale_, surface_);
    hintBox_->setObjectName(QStringLiteral("Yellowbox"));
    hintBox_->setGeometryTwips(hintBox);
    hintBox_->setFont(worksheetFont());
    hintBox_->setAutoFillBackground(true);
    setColours(*hintBox_, lightYellow, windowText);
    valueBox_ =
        makeLabel<CaptionedLabel>(surface_, "Valuebox", valueBox, scale_, "Label3", true, true);
    valueBox_->setFont(worksheetFont(9.75, true));
    setColours(*valueBox_, lightGrey, windowText);
    warningBox_ = makeLabel(surface_, "Warningbox", warningBox, scale_, "", false, false);
    warningBox_->setWordWrap(true);
    setColours(*warningBox_, lightGrey, windowText);
    growthCaption_ = makeLabel(surface_, "Label2", growthCaption, scale_, " Growth %", true, true);
    setColours(*growthCaption_, white, windowText);
    valueCaption_ =
        makeLabel(surface_, "Label1", valueCaption, scale_, "Theoretic Stock Value:", false, false);
    setColours(*valueCaption_, white, windowText);
    commentBox_ =
        makeLabel<CaptionedLabel>(surface_, "commentbox", commentBox, scale_, "", false, false);
    commentBox_->setWordWrap(true);
    setColours(*commentBox_, white, Qt::black);
    yieldCaption_ =
        makeLabel(surface_, "Thelabel0", yieldCaption, scale_, "Target Yield:", false, false);
    setColours(*yieldCaption_, white, Qt::black);
}

void Valkubeform::createScalesAndPad() {
    using namespace WorksheetLayout;
    const QColor windowText = palette().color(QPalette::WindowText);

    termScale_ = new DrawingStrip(scale_, surface_);
    termScale_->setObjectName(QStringLiteral("Picture3"));
    termScale_->setGeometryTwips(termScale);
    growthScale_ = new DrawingStrip(scale_, surface_);
    growthScale_->setObjectName(QStringLiteral("Picture2"));
    growthScale_->setGeometryTwips(growthScale);
    for (DrawingStrip* strip : {termScale_, growthScale_}) {
        strip->setFont(worksheetFont());
        setColours(*strip, lightGrey, windowText);
    }

    pad_ = new PadControl(scale_, surface_);
    pad_->setObjectName(QStringLiteral("Picture1"));
    pad_->setGeometryTwips(pad);
    pad_->setFont(worksheetFont());
    pad_->setVerticalLineX(verticalLineX);
    pad_->setHorizontalLineY(horizontalLineY);
}

void Valkubeform::createEditor() {
    editor_ = new EditorControl(scale_, surface_);
    editor_->setObjectName(QStringLiteral("Entry0"));
    editor_->setGeometryTwips(WorksheetLayout::editor);
    editor_->setFrame(false);
    setColours(*editor_, WorksheetLayout::lightYellow, Qt::black);
}

void Valkubeform::createGrids() {
    detailGrid_ = new GridControl(5, 5, 1, 0, scale_, surface_);
    detailGrid_->setObjectName(QStringLiteral("Detailgrid"));
    detailGrid_->setGeometryTwips(WorksheetLayout::detailGrid);
    detailGrid_->setFont(worksheetFont(8.25, true));

    parameterGrid_ = new GridControl(6, 2, 1, 1, scale_, surface_);
    parameterGrid_->setObjectName(QStringLiteral("Thegrid"));
    parameterGrid_->setGeometryTwips(WorksheetLayout::parameterGrid);
    parameterGrid_->setFont(worksheetFont());
}

void Valkubeform::createButtons() {
    using namespace WorksheetLayout;
    static const char* const pictures[6] = {"clear", "detail", "exit", "up", "down", "help"};
    auto make = [this](int element, TwipsRect rect, const QString& picture, bool visible) {
        auto* button = new PictureButton(element, scale_, surface_);
        button->setObjectName(QStringLiteral("Thebutton%1").arg(element));
        button->setGeometryTwips(rect);
        button->setPicture(picture);
        button->setVisible(visible);
        buttons_[static_cast<std::size_t>(element)] = button;
    };
    for (int i = 0; i < 6; ++i) {
        const QString raised = QStringLiteral(":/buttons/%1-raised.svg").arg(pictures[i]);
        const QString pressed = QStringLiteral(":/buttons/%1-pressed.svg").arg(pictures[i]);
        make(i, {buttonLefts[i], buttonTop, buttonWidth, buttonHeight}, raised, true);
        make(i + 10, {raisedStoreLefts[i], raisedStoreTops[i], buttonWidth, buttonHeight}, raised,
             false);
        make(i + 20, {raisedStoreLefts[i], pressedStoreTops[i], buttonWidth, buttonHeight}, pressed,
             false);
    }
}

// The invisible editor keeps the keyboard whenever the worksheet is active: Tab reaches the
// other controls, but a click on one of them leaves the keyboard where it is (its reaction
// to the click still runs).
void Valkubeform::setTabOrder() {
    QWidget* order[] = {editor_, parameterGrid_, termScale_, detailGrid_,
                        pad_,    growthScale_,   yieldList_};
    // Before the order: changing a focus policy moves the widget in Qt's focus chain.
    for (QWidget* control : order) {
        if (control != editor_)
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
    // The tooltip disappears as soon as the pointer leaves the buttons.
    connect(surface_, &HoverSurface::hovered, this, [this] { hintBox_->setText(QString()); });
    connect(hintBox_, &HoverLabel::hovered, this, [this] { hintBox_->setText(QString()); });
    // The detail table never keeps the keyboard focus.
    connect(detailGrid_, &GridControl::userMovedCurrentCell, this, [this] { editor_->setFocus(); });
}

PictureButton& Valkubeform::Thebutton(int element) const {
    return *buttons_.at(static_cast<std::size_t>(element));
}

TwipsRect Valkubeform::buttonRect(int element) const {
    return Thebutton(element).geometryTwips();
}

void Valkubeform::setButtonLeft(int element, double left) {
    Thebutton(element).setLeftTwips(left);
}

TwipsRect Valkubeform::hintRect() const {
    return hintBox_->geometryTwips();
}

void Valkubeform::setHintGeometry(double left, double width) {
    hintBox_->setGeometryTwips({left, hintBox_->topTwips(), width, hintBox_->heightTwips()});
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
    return ComputeValuation(*sheet_, context_.valuation, context_.locale);
}

void Valkubeform::requestHelp() {
    context_.services.openHelp(context_.records.helpFile);
}

void Valkubeform::closeEvent(QCloseEvent* event) {
    // Closing the worksheet ends the program; nothing is saved.
    event->accept();
    context_.services.endProgram();
}
