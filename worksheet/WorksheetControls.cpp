#include "WorksheetControls.h"

#include "WorksheetLayout.h"
#include "worksheet/controls/CaptionedLabel.h"
#include "worksheet/controls/DrawingStrip.h"
#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/Fonts.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/controls/HoverLabel.h"
#include "worksheet/controls/HoverSurface.h"
#include "worksheet/controls/ListControl.h"
#include "worksheet/controls/PadControl.h"
#include "worksheet/controls/PictureButton.h"

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

// The labels, in their creation order; those drawn on the surface itself go beneath every
// windowed control once all exist.
struct Labels {
    QLabel* termCaption;
    HoverLabel* hintBox;
    CaptionedLabel* valueBox;
    QLabel* warningBox;
    QLabel* growthCaption;
    QLabel* valueCaption;
    CaptionedLabel* commentBox;
    QLabel* yieldCaption;

    void lowerAll() const {
        for (QLabel* label : {valueCaption, growthCaption, termCaption, yieldCaption,
                              static_cast<QLabel*>(commentBox), warningBox,
                              static_cast<QLabel*>(hintBox), static_cast<QLabel*>(valueBox)})
            label->lower();
    }
};

Labels createLabels(HoverSurface* surface, const TwipsScale& scale) {
    using namespace WorksheetLayout;
    const QColor windowText = surface->palette().color(QPalette::WindowText);
    const QColor white = surface->palette().color(QPalette::Base);
    Labels labels{};

    labels.termCaption =
        makeLabel(surface, "Label3", termCaption, scale, " Term (Years)", true, true);
    setColours(*labels.termCaption, white, windowText);
    labels.hintBox = new HoverLabel(scale, surface);
    labels.hintBox->setObjectName(QStringLiteral("Yellowbox"));
    labels.hintBox->setGeometryTwips(hintBox);
    labels.hintBox->setFont(worksheetFont());
    labels.hintBox->setAutoFillBackground(true);
    setColours(*labels.hintBox, lightYellow, windowText);
    labels.valueBox =
        makeLabel<CaptionedLabel>(surface, "Valuebox", valueBox, scale, "Label3", true, true);
    labels.valueBox->setFont(worksheetFont(9.75, true));
    setColours(*labels.valueBox, lightGrey, windowText);
    labels.warningBox = makeLabel(surface, "Warningbox", warningBox, scale, "", false, false);
    labels.warningBox->setWordWrap(true);
    setColours(*labels.warningBox, lightGrey, windowText);
    labels.growthCaption =
        makeLabel(surface, "Label2", growthCaption, scale, " Growth %", true, true);
    setColours(*labels.growthCaption, white, windowText);
    labels.valueCaption =
        makeLabel(surface, "Label1", valueCaption, scale, "Theoretic Stock Value:", false, false);
    setColours(*labels.valueCaption, white, windowText);
    labels.commentBox =
        makeLabel<CaptionedLabel>(surface, "commentbox", commentBox, scale, "", false, false);
    labels.commentBox->setWordWrap(true);
    setColours(*labels.commentBox, white, Qt::black);
    labels.yieldCaption =
        makeLabel(surface, "Thelabel0", yieldCaption, scale, "Target Yield:", false, false);
    setColours(*labels.yieldCaption, white, Qt::black);
    return labels;
}

DrawingStrip* createScale(HoverSurface* surface, const TwipsScale& scale, const char* name,
                          const TwipsRect& rect) {
    auto* strip = new DrawingStrip(scale, surface);
    strip->setObjectName(QLatin1String(name));
    strip->setGeometryTwips(rect);
    strip->setFont(worksheetFont());
    setColours(*strip, WorksheetLayout::lightGrey, surface->palette().color(QPalette::WindowText));
    return strip;
}

PadControl* createPad(HoverSurface* surface, const TwipsScale& scale) {
    using namespace WorksheetLayout;
    auto* pad = new PadControl(scale, surface);
    pad->setObjectName(QStringLiteral("Picture1"));
    pad->setGeometryTwips(WorksheetLayout::pad);
    pad->setFont(worksheetFont());
    pad->setVerticalLineX(verticalLineX);
    pad->setHorizontalLineY(horizontalLineY);
    return pad;
}

EditorControl* createEditor(HoverSurface* surface, const TwipsScale& scale) {
    auto* editor = new EditorControl(scale, surface);
    editor->setObjectName(QStringLiteral("Entry0"));
    editor->setGeometryTwips(WorksheetLayout::editor);
    editor->setFrame(false);
    setColours(*editor, WorksheetLayout::lightYellow, Qt::black);
    return editor;
}

GridControl* createGrid(HoverSurface* surface, const TwipsScale& scale, const char* name,
                        const TwipsRect& rect, int rows, int columns, int fixedRows,
                        int fixedColumns, const QFont& font) {
    auto* grid = new GridControl(rows, columns, fixedRows, fixedColumns, scale, surface);
    grid->setObjectName(QLatin1String(name));
    grid->setGeometryTwips(rect);
    grid->setFont(font);
    return grid;
}

std::array<PictureButton*, 26> createButtons(HoverSurface* surface, const TwipsScale& scale) {
    using namespace WorksheetLayout;
    static const char* const pictures[6] = {"clear", "detail", "exit", "up", "down", "help"};
    std::array<PictureButton*, 26> buttons{};
    auto make = [&](int element, TwipsRect rect, const QString& picture, bool visible) {
        auto* button = new PictureButton(element, scale, surface);
        button->setObjectName(QStringLiteral("Thebutton%1").arg(element));
        button->setGeometryTwips(rect);
        button->setPicture(picture);
        button->setVisible(visible);
        buttons[static_cast<std::size_t>(element)] = button;
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
    return buttons;
}

} // namespace

WorksheetControls buildWorksheetControls(QWidget& window, const TwipsScale& scale) {
    auto* surface = new HoverSurface(scale, &window);
    surface->setObjectName(QStringLiteral("surface"));
    surface->setAutoFillBackground(true);
    // Only the surface's own colour: the controls on it keep the system's window colour.
    QPalette surfacePalette = surface->palette();
    surfacePalette.setColor(QPalette::Window, WorksheetLayout::lightGrey);
    surface->setPalette(surfacePalette);

    // Creation order is stacking order: later windowed controls lie above earlier ones.
    // Labels are created first so that the grids and boxes cover them where they overlap.
    const Labels labels = createLabels(surface, scale);
    auto* yieldList = new ListControl(scale, surface);
    yieldList->setObjectName(QStringLiteral("Yieldlist"));
    yieldList->setGeometryTwips(WorksheetLayout::yieldList);
    yieldList->setFont(worksheetFont(8.25, true));
    DrawingStrip* termScale = createScale(surface, scale, "Picture3", WorksheetLayout::termScale);
    DrawingStrip* growthScale =
        createScale(surface, scale, "Picture2", WorksheetLayout::growthScale);
    PadControl* pad = createPad(surface, scale);
    EditorControl* editor = createEditor(surface, scale);
    GridControl* detailGrid = createGrid(surface, scale, "Detailgrid", WorksheetLayout::detailGrid,
                                         5, 5, 1, 0, worksheetFont(8.25, true));
    GridControl* parameterGrid = createGrid(
        surface, scale, "Thegrid", WorksheetLayout::parameterGrid, 6, 2, 1, 1, worksheetFont());
    const std::array<PictureButton*, 26> buttons = createButtons(surface, scale);
    labels.lowerAll();

    HoverLabel* hintBox = labels.hintBox;
    CaptionedLabel* valueBox = labels.valueBox;
    QLabel* warningBox = labels.warningBox;
    CaptionedLabel* commentBox = labels.commentBox;
    return WorksheetControls{*surface,    *parameterGrid, *detailGrid, *editor,  *yieldList,
                             *pad,        *growthScale,   *termScale,  *hintBox, *valueBox,
                             *warningBox, *commentBox,    buttons};
}
