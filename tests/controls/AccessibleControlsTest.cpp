// What a screen reader finds in our own controls: the right role, a way to press a picture
// button, a captioned label's reading, and no trace of the picture stores.

#include "AccessibleControls.h"
#include "CaptionedLabel.h"
#include "DrawingStrip.h"
#include "HoverSurface.h"
#include "PadControl.h"
#include "PictureButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

class AccessibleControlsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { installAccessibleControls(); }

    static QAccessibleInterface* interfaceOf(QObject& object) {
        return QAccessible::queryAccessibleInterface(&object);
    }
};

TEST_F(AccessibleControlsTest, EachControlHasItsRole) {
    const TwipsScale scale(96.0);
    PictureButton button(0, scale);
    PadControl pad(scale);
    DrawingStrip strip(scale);
    CaptionedLabel label;
    const std::pair<QObject*, QAccessible::Role> expected[] = {
        {&button, QAccessible::Button},
        {&pad, QAccessible::Graphic},
        {&strip, QAccessible::Graphic},
        {&label, QAccessible::StaticText},
    };
    for (const auto& [control, role] : expected) {
        QAccessibleInterface* accessible = interfaceOf(*control);
        ASSERT_NE(accessible, nullptr) << control->metaObject()->className();
        EXPECT_EQ(accessible->role(), role) << control->metaObject()->className();
    }
}

// State: a picture button as the worksheet wires it. Action: assistive technology presses it.
// Expected: one press and one release of the left button, in that order, at its centre, as
// a mouse click would bring.
TEST_F(AccessibleControlsTest, PressingAPictureButtonRunsItsPressAndRelease) {
    PictureButton button(3, TwipsScale(96.0));
    button.resize(24, 22);
    QStringList heard;
    QPointF releasedAt;
    QObject::connect(&button, &PictureButton::pressed, [&](int element, Qt::MouseButton b) {
        heard << QStringLiteral("press %1 %2").arg(element).arg(int(b));
    });
    QObject::connect(&button, &PictureButton::released,
                     [&](int element, Qt::MouseButton b, QPointF twips) {
                         heard << QStringLiteral("release %1 %2").arg(element).arg(int(b));
                         releasedAt = twips;
                     });

    QAccessibleActionInterface* actions = interfaceOf(button)->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());

    const int left = int(Qt::LeftButton);
    EXPECT_EQ(heard, QStringList({QStringLiteral("press 3 %1").arg(left),
                                  QStringLiteral("release 3 %1").arg(left)}));
    EXPECT_EQ(releasedAt, QPointF(180.0, 165.0));
}

struct CaptionCase {
    const char* caption;
    const char* text;
    const char* spoken;
};

// The reading is what matters; the caption says what it is, and stands alone while there is
// nothing to read.
TEST_F(AccessibleControlsTest, ACaptionedLabelIsReadByCaptionAndReading) {
    const CaptionCase cases[] = {
        {"Theoretic Stock Value", "25.3", "Theoretic Stock Value: 25.3"},
        {"Theoretic Stock Value", "", "Theoretic Stock Value"},
        {"Theoretic Stock Value", "   ", "Theoretic Stock Value"},
        {"Theoretic Stock Value", " Term missing ", "Theoretic Stock Value: Term missing"},
        {"", "25.3", "25.3"},
    };
    for (const CaptionCase& c : cases) {
        CaptionedLabel label;
        label.setCaption(QString::fromLatin1(c.caption));
        label.setText(QString::fromLatin1(c.text));
        EXPECT_EQ(interfaceOf(label)->text(QAccessible::Name), QString::fromLatin1(c.spoken))
            << c.caption << " / " << c.text;
    }
}

// The name is asked for afresh: a label set after the first question reads the new text.
TEST_F(AccessibleControlsTest, ACaptionedLabelFollowsItsText) {
    CaptionedLabel label;
    label.setCaption(QStringLiteral("Value"));
    QAccessibleInterface* accessible = interfaceOf(label);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Value"));
    label.setText(QStringLiteral("12"));
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Value: 12"));
    EXPECT_TRUE(label.accessibleName().isEmpty()); // else QLabel stops announcing changes
}

// State: a surface with shown and hidden picture buttons and other children. Expected: the
// hidden picture buttons are not among its accessible children; everything else is, hidden
// or not, and each child is found again at its own index.
TEST_F(AccessibleControlsTest, TheSurfaceLeavesOutPictureButtonsThatAreNotShown) {
    const TwipsScale scale(96.0);
    HoverSurface surface(scale);
    auto* shown = new PictureButton(0, scale, &surface);
    auto* store = new PictureButton(10, scale, &surface);
    store->hide();
    auto* label = new CaptionedLabel(&surface);
    auto* hiddenPad = new PadControl(scale, &surface);
    hiddenPad->hide();
    auto* laterStore = new PictureButton(20, scale, &surface);
    laterStore->hide();

    QAccessibleInterface* accessible = interfaceOf(surface);
    ASSERT_EQ(accessible->childCount(), 3);
    QList<QObject*> children;
    for (int i = 0; i < accessible->childCount(); ++i) {
        QAccessibleInterface* child = accessible->child(i);
        ASSERT_NE(child, nullptr);
        children << child->object();
        EXPECT_EQ(accessible->indexOfChild(child), i);
    }
    EXPECT_EQ(children, QList<QObject*>({shown, label, hiddenPad}));
    EXPECT_EQ(accessible->child(3), nullptr);
    EXPECT_EQ(accessible->indexOfChild(interfaceOf(*store)), -1);
}

} // namespace
