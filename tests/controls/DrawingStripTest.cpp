#include "worksheet/controls/DrawingStrip.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

class DrawingStripTest : public ::testing::Test {
protected:
    DrawingStripTest() {
        strip.setGeometryTwips({0.0, 0.0, 2760.0, 345.0});
    }

    DrawingStrip strip{TwipsScale(96.0)};
};

} // namespace

TEST_F(DrawingStripTest, ALineLeavesThePositionAtItsEnd) {
    strip.drawLine({360.0, 120.0}, {120.0, 0.0}, Qt::black);
    EXPECT_DOUBLE_EQ(strip.currentX(), 480.0);
    EXPECT_DOUBLE_EQ(strip.currentY(), 120.0);
    ASSERT_EQ(strip.lines().size(), 1u);
    EXPECT_EQ(strip.lines()[0].from, QPointF(360.0, 120.0));
    EXPECT_EQ(strip.lines()[0].to, QPointF(480.0, 120.0));
}

TEST_F(DrawingStripTest, ANumberIsWrittenWithSignPlaceAndMovesToTheNextLine) {
    strip.setCurrentX(60.0);
    strip.setCurrentY(40.0);
    strip.writeNumber(5);
    strip.writeNumber(-3);
    ASSERT_EQ(strip.texts().size(), 2u);
    EXPECT_EQ(strip.texts()[0].text, " 5 ");
    EXPECT_EQ(strip.texts()[0].topLeft, QPointF(60.0, 40.0));
    EXPECT_EQ(strip.texts()[1].text, "-3 ");
    EXPECT_EQ(strip.texts()[1].topLeft, QPointF(0.0, 40.0 + strip.lineHeightTwips()));
    EXPECT_DOUBLE_EQ(strip.currentX(), 0.0);
    EXPECT_DOUBLE_EQ(strip.currentY(), 40.0 + 2 * strip.lineHeightTwips());
    EXPECT_GT(strip.lineHeightTwips(), 100.0);
}

// The term scale under the pad: labels land where the drawing position has been left by
// the tick before them.
TEST_F(DrawingStripTest, TheTermScaleLabelsFollowTheTicks) {
    strip.setCurrentX(0.0);
    for (int i = 1; i <= 20; ++i) {
        if (i % 5 == 0) {
            strip.setCurrentY(150.0);
            if (i < 10)
                strip.setCurrentX(strip.currentX() + 50.0);
            strip.writeNumber(i);
        }
        strip.drawLine({540.0 + 120.0 * i, 0.0}, {0.0, 120.0}, Qt::black);
    }
    ASSERT_EQ(strip.texts().size(), 4u);
    EXPECT_EQ(strip.texts()[0].topLeft, QPointF(1070.0, 150.0));
    EXPECT_EQ(strip.texts()[1].topLeft, QPointF(1620.0, 150.0));
    EXPECT_EQ(strip.texts()[3].topLeft, QPointF(2820.0, 150.0));
    EXPECT_EQ(strip.texts()[3].text, " 20 ");
}

TEST_F(DrawingStripTest, TheDrawingSurvivesHidingAndResizing) {
    strip.drawLine({360.0, 120.0}, {120.0, 0.0}, Qt::red);
    strip.setCurrentX(0.0);
    strip.setCurrentY(150.0);
    strip.writeNumber(15);
    strip.show();
    const QImage before = strip.grab().toImage();
    EXPECT_EQ(before.pixelColor(28, 8), QColor(Qt::red));
    EXPECT_EQ(before.pixelColor(100, 2), strip.palette().color(QPalette::Window));
    bool textInked = false;
    for (int x = 0; x < 40; ++x)
        for (int y = 10; y < 23; ++y)
            textInked = textInked || qGray(before.pixel(x, y)) < 128; // antialiased ink
    EXPECT_TRUE(textInked);

    strip.hide();
    strip.show();
    strip.resize(40, 10);
    strip.resize(before.size());
    EXPECT_EQ(strip.grab().toImage(), before);
}
