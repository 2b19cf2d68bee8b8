// On a high-DPI screen the controls are painted at the device pixel ratio: pictures and text
// are drawn at full resolution, not as a low-resolution image blown up, and lines keep their
// widths in logical pixels, so that the worksheet scales as a whole.

#include "DrawingStrip.h"
#include "PadControl.h"
#include "PictureButton.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// The widget painted into an image of the given device pixel ratio, as the backing store of
// a screen with that ratio would receive it.
QImage paintAt(QWidget& widget, qreal ratio) {
    QImage image(widget.size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

// The first run of pixels of `colour` along a line of `count` pixels: its start and length.
template <typename PixelAt>
std::pair<int, int> firstRun(int count, PixelAt pixelAt, const QColor& colour) {
    int start = 0;
    while (start < count && pixelAt(start) != colour)
        ++start;
    if (start == count)
        return {-1, 0};
    int end = start;
    while (end < count && pixelAt(end) == colour)
        ++end;
    return {start, end - start};
}

std::pair<int, int> runInRow(const QImage& image, int y, const QColor& colour) {
    return firstRun(
        image.width(), [&](int x) { return image.pixelColor(x, y); }, colour);
}

std::pair<int, int> runInColumn(const QImage& image, int x, const QColor& colour) {
    return firstRun(
        image.height(), [&](int y) { return image.pixelColor(x, y); }, colour);
}

// A picture blown up from a lower resolution repeats every pixel `ratio` times; one painted
// at full resolution has detail between those blocks somewhere.
bool hasDetailFinerThanLogicalPixels(const QImage& image, const QRect& logicalArea) {
    for (int y = logicalArea.top(); y <= logicalArea.bottom(); ++y) {
        for (int x = logicalArea.left(); x <= logicalArea.right(); ++x) {
            const QRgb first = image.pixel(2 * x, 2 * y);
            if (image.pixel(2 * x + 1, 2 * y) != first || image.pixel(2 * x, 2 * y + 1) != first ||
                image.pixel(2 * x + 1, 2 * y + 1) != first)
                return true;
        }
    }
    return false;
}

// The picture's black half ends 12.5 logical pixels in: on a 2x screen that is the edge
// between device pixels 24 and 25, which only a full-resolution rendering shows.
TEST(HighDpiRendering, PictureButtonsAreDrawnAtTheDeviceResolution) {
    PictureButton button(0, TwipsScale(96.0));
    button.resize(24, 22);
    button.setPicture(QStringLiteral(":/test/half-pixel.svg"));

    const QImage doubled = paintAt(button, 2.0);
    ASSERT_EQ(doubled.size(), QSize(48, 44));
    EXPECT_EQ(doubled.pixelColor(24, 20), QColor(Qt::black));
    EXPECT_EQ(doubled.pixelColor(25, 20), QColor(Qt::white));

    const QImage single = paintAt(button, 1.0);
    EXPECT_EQ(single.pixelColor(11, 10), QColor(Qt::black));
    EXPECT_EQ(single.pixelColor(13, 10), QColor(Qt::white));
}

class StripAtRatio : public ::testing::TestWithParam<int> {};

// A tick of the scale is one logical pixel wide and as long as drawn, at every whole ratio;
// its number is written at the device resolution.
TEST_P(StripAtRatio, TicksKeepTheirLogicalWidthAndTextIsSharp) {
    const int ratio = GetParam();
    DrawingStrip strip(TwipsScale(96.0));
    strip.setGeometryTwips({0.0, 0.0, 2760.0, 345.0});
    strip.setBackgroundColour(QColor(192, 192, 192));
    strip.setTextColour(Qt::black);
    strip.drawLine({660.0, 0.0}, {0.0, 120.0}, Qt::red);   // x 44, y 0 to 8
    strip.drawLine({900.0, 60.0}, {120.0, 0.0}, Qt::blue); // y 4, x 60 to 68
    strip.drawLine({1500.0, 30.0}, {0.0, 0.0}, Qt::green); // one point at (100, 2)
    strip.setCurrentX(1200.0);
    strip.setCurrentY(150.0);
    strip.writeNumber(15);

    const QImage image = paintAt(strip, ratio);
    EXPECT_EQ(runInRow(image, 3 * ratio, Qt::red), std::make_pair(44 * ratio, ratio));
    EXPECT_EQ(runInColumn(image, 44 * ratio, Qt::red), std::make_pair(0, 9 * ratio));
    EXPECT_EQ(runInColumn(image, 64 * ratio, Qt::blue), std::make_pair(4 * ratio, ratio));
    EXPECT_EQ(runInRow(image, 4 * ratio, Qt::blue), std::make_pair(60 * ratio, 9 * ratio));
    EXPECT_EQ(runInRow(image, 2 * ratio, Qt::green), std::make_pair(100 * ratio, ratio));
    EXPECT_EQ(runInColumn(image, 100 * ratio, Qt::green), std::make_pair(2 * ratio, ratio));
    if (ratio == 2) {
        EXPECT_TRUE(hasDetailFinerThanLogicalPixels(image, QRect(80, 10, 40, 13)));
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, StripAtRatio, ::testing::Values(1, 2));

class PadAtRatio : public ::testing::TestWithParam<int> {};

// The cross-hair lines stay two logical pixels wide and the border one, at every whole ratio.
TEST_P(PadAtRatio, CrossHairAndBorderKeepTheirLogicalWidths) {
    const int ratio = GetParam();
    PadControl pad(TwipsScale(96.0));
    pad.setGeometryTwips({0.0, 0.0, 2220.0, 5040.0});
    pad.setVerticalLineX(1200.0);
    pad.setHorizontalLineY(2400.0);
    const QPoint crossing = pad.toWidgetPixels({1200.0, 2400.0});

    const QImage image = paintAt(pad, ratio);
    EXPECT_EQ(runInRow(image, 10 * ratio, QColor(0, 0, 128)),
              std::make_pair(crossing.x() * ratio, 2 * ratio));
    EXPECT_EQ(runInColumn(image, 20 * ratio, QColor(128, 0, 0)),
              std::make_pair(crossing.y() * ratio, 2 * ratio));
    EXPECT_EQ(runInRow(image, 50 * ratio, Qt::black), std::make_pair(0, ratio));
    EXPECT_EQ(runInColumn(image, 50 * ratio, Qt::black), std::make_pair(0, ratio));
}

INSTANTIATE_TEST_SUITE_P(Ratios, PadAtRatio, ::testing::Values(1, 2));

} // namespace
