#include "worksheet/controls/Twips.h"
#include "worksheet/controls/Fonts.h"
#include "worksheet/controls/HoverLabel.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

TEST(TwipsScale, ConvertsAtTheLogicalDpi) {
    const TwipsScale normal(96.0);
    EXPECT_EQ(normal.toPixels(1440.0), 96);
    EXPECT_EQ(normal.toPixels(15.0), 1);
    EXPECT_EQ(normal.toPixels(7.0), 0); // 0.47 pixel
    EXPECT_EQ(normal.toPixels(8.0), 1); // 0.53 pixel
    EXPECT_DOUBLE_EQ(normal.toTwips(24.0), 360.0);

    const TwipsScale doubled(192.0);
    EXPECT_EQ(doubled.toPixels(1440.0), 192);
    EXPECT_EQ(doubled.toPixels(15.0), 2);
    EXPECT_EQ(doubled.toPixelsF(QPointF(720.0, 7.5)), QPointF(96.0, 1.0));
    EXPECT_EQ(doubled.toTwips(QPointF(2.0, 0.5)), QPointF(15.0, 3.75));
}

TEST(TwipsScale, ForScreenFallsBackToThePrimaryScreen) {
    EXPECT_DOUBLE_EQ(TwipsScale::forScreen(nullptr).logicalDpi(),
                     QGuiApplication::primaryScreen()->logicalDotsPerInch());
}

// Widths rounded on their own would open one-pixel gaps between controls that touch.
TEST(TwipsScale, RectanglesThatTouchInTwipsTouchInPixels) {
    const TwipsScale scale(120.0);
    const QRect first = scale.toPixels(TwipsRect{1000.0, 30.0, 1010.0, 330.0});
    const QRect second = scale.toPixels(TwipsRect{2010.0, 30.0, 360.0, 330.0});
    EXPECT_EQ(first.left(), 83);
    EXPECT_EQ(first.right() + 1, second.left());

    EXPECT_EQ(TwipsScale(96.0).toPixels(TwipsRect{4500.0, 30.0, 360.0, 330.0}),
              QRect(300, 2, 24, 22));
}

TEST(TwipsGeometry, KeepsTheDesignedTwipsUntilMovedInPixels) {
    HoverLabel label(TwipsScale(96.0));
    label.setGeometryTwips({10500.0, 2820.0, 1212.0, 360.0});
    EXPECT_EQ(label.geometry(), QRect(700, 188, 81, 24));
    EXPECT_DOUBLE_EQ(label.geometryTwips().width, 1212.0); // not the 1215 of 81 pixels

    label.setLeftTwips(4500.0);
    EXPECT_EQ(label.geometryTwips(), (TwipsRect{4500.0, 2820.0, 1212.0, 360.0}));

    label.move(0, 0);
    EXPECT_EQ(label.geometryTwips(), (TwipsRect{0.0, 0.0, 1215.0, 360.0}));
}

TEST(WorksheetFont, FallsBackToAnInstalledSansSerifFace) {
    const QFont font = worksheetFont(9.75, true);
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.75);
    EXPECT_TRUE(font.bold());
    const QString family = QFontInfo(font).family();
    EXPECT_TRUE(family == "MS Sans Serif" || family == "Liberation Sans" || family == "Arimo" ||
                family == "DejaVu Sans")
        << family.toStdString();
}
