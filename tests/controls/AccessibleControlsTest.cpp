// What a screen reader can do with our own controls beyond reading their names: press a
// picture button, and read a captioned label's reading with its caption.

#include "worksheet/controls/AccessibleControls.h"
#include "worksheet/controls/CaptionedLabel.h"
#include "worksheet/controls/PictureButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

#include <gtest/gtest.h>

namespace {

// State: a picture button. Action: assistive technology presses it. Expected: one press and
// one release of the left button, in that order, at its centre, as a click would bring.
TEST(AccessibleControls, PressingAPictureButtonRunsItsPressAndRelease) {
    installAccessibleControls();
    PictureButton button(3, TwipsScale(96.0));
    button.resize(24, 22);
    QStringList heard;
    QObject::connect(&button, &PictureButton::pressed, [&](int i, Qt::MouseButton b, QPointF at) {
        heard << QStringLiteral("press %1 %2 %3,%4").arg(i).arg(int(b)).arg(at.x()).arg(at.y());
    });
    QObject::connect(&button, &PictureButton::released, [&](int i, Qt::MouseButton b, QPointF) {
        heard << QStringLiteral("release %1 %2").arg(i).arg(int(b));
    });

    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(&button)->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(heard.join(QLatin1Char('|')).toStdString(), "press 3 1 180,165|release 3 1");
}

// The caption says what the reading is, and stands alone while there is nothing to read;
// the name follows every new text.
TEST(AccessibleControls, ACaptionedLabelIsReadByCaptionAndReading) {
    installAccessibleControls();
    const std::pair<const char*, const char*> cases[] = {
        {"25.3", "Theoretic Stock Value: 25.3"},
        {" Term missing ", "Theoretic Stock Value: Term missing"},
        {"   ", "Theoretic Stock Value"},
        {"", "Theoretic Stock Value"},
    };
    CaptionedLabel label;
    label.setCaption(QStringLiteral("Theoretic Stock Value"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&label);
    for (const auto& [text, spoken] : cases) {
        label.setText(QString::fromLatin1(text));
        EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), spoken) << text;
    }
    EXPECT_TRUE(label.accessibleName().isEmpty()); // else QLabel stops announcing changes
}

} // namespace
