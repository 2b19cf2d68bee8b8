#include "tests/support/WorksheetFixture.h"

#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/controls/HoverSurface.h"
#include "worksheet/controls/PictureButton.h"
#include "worksheet/controls/Twips.h"
#include "worksheet/WorksheetLayout.h"

#include <QLabel>

namespace {

using WorksheetLayoutTest = WorksheetFixture;

// State: a started worksheet. Expected: every control at its designed place and size.
TEST_F(WorksheetLayoutTest, ControlsStandWhereDesigned) {
    using namespace WorksheetLayout;
    const std::pair<const char*, TwipsRect> controls[] = {
        {"Yieldlist", yieldList},   {"Picture3", termScale},    {"Picture2", growthScale},
        {"Picture1", pad},          {"Entry0", editor},         {"Label3", termCaption},
        {"Detailgrid", detailGrid}, {"Thegrid", parameterGrid}, {"Yellowbox", hintBox},
        {"Valuebox", valueBox},     {"Warningbox", warningBox}, {"Label2", growthCaption},
        {"Label1", valueCaption},   {"commentbox", commentBox}, {"Thelabel0", yieldCaption},
    };
    for (const auto& [name, rect] : controls) {
        auto* widget = form().findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->geometry(), form().controls().surface.twipsScale().toPixels(rect)) << name;
    }
}

// Expected: the buttons close ranks and the help button ends flush with the grid.
TEST_F(WorksheetLayoutTest, ButtonsAreLinedUpAfterStartUp) {
    const double lefts[6] = {4500, 4860, 5220, 5700, 6060, 7815};
    for (int i = 0; i < 6; ++i) {
        const TwipsRect rect = form().controls().Thebutton(i).geometryTwips();
        EXPECT_EQ(rect.left, lefts[i]) << i;
        EXPECT_EQ(rect.top, 30);
        EXPECT_EQ(form().controls().Thebutton(i).geometry(), form().controls().surface.twipsScale().toPixels(rect)) << i;
        EXPECT_TRUE(form().controls().Thebutton(i).isVisible()) << i;
        EXPECT_FALSE(form().controls().Thebutton(i + 10).isVisible()) << i;
        EXPECT_FALSE(form().controls().Thebutton(i + 20).isVisible()) << i;
        EXPECT_EQ(form().controls().Thebutton(i).picture(), form().controls().Thebutton(i + 10).picture()) << i;
        EXPECT_NE(form().controls().Thebutton(i + 10).picture(), form().controls().Thebutton(i + 20).picture()) << i;
    }
    const TwipsRect help = form().controls().Thebutton(5).geometryTwips();
    EXPECT_EQ(help.left + help.width,
              WorksheetLayout::parameterGrid.left + WorksheetLayout::parameterGrid.width);
}

TEST_F(WorksheetLayoutTest, LabelsCarryTheirCaptions) {
    const std::pair<const char*, const char*> captions[] = {
        {"Label1", "Theoretic Stock Value:"},
        {"Label2", " Growth %"},
        {"Label3", " Term (Years)"},
        {"Thelabel0", "Target Yield:"},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(form().findChild<QLabel*>(QString::fromLatin1(name))->text(),
                  QString::fromLatin1(caption));
}

// Tab walks Entry, Thegrid, Picture3, Detailgrid, Picture1, Picture2, Yieldlist (the labels
// never take the focus; the hidden detail table is passed over).
TEST_F(WorksheetLayoutTest, TabOrderFollowsTheDesign) {
    QStringList visited;
    QWidget* widget = &form().controls().Entry;
    for (int step = 0; step < 7; ++step) {
        visited << widget->objectName();
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(&form()) ||
               !form().isAncestorOf(widget))
            widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(visited, QStringList({"Entry0", "Thegrid", "Picture3", "Picture1", "Picture2",
                                    "Yieldlist", "Entry0"}));
}

// The layout is fixed: a resize moves nothing.
TEST_F(WorksheetLayoutTest, ResizingMovesNoControl) {
    const QRect before = form().controls().Thegrid.geometry();
    form().resize(form().width() / 2, form().height() / 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(form().controls().Thegrid.geometry(), before);
}

// The editor stays out of sight however wide the user drags the window, and the grey fills
// the window to its edge.
TEST_F(WorksheetLayoutTest, WideningNeverBaresTheEditor) {
    QWidget& window = *form().parentWidget(); // the sub-window in the frame
    window.resize(4000, window.height());
    QCoreApplication::processEvents();
    EXPECT_FALSE(form().controls().surface.rect().intersects(form().controls().Entry.geometry()));
    const QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixelColor(shown.width() - 20, shown.height() / 2), WorksheetLayout::lightGrey);
}

} // namespace
