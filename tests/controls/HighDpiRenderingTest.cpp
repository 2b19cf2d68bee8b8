// On a high-DPI screen the controls are painted at the device pixel ratio: pictures are drawn
// at full resolution, not blown up from a smaller image, and lines keep their widths in
// logical pixels, so that the worksheet scales as a whole.

#include "worksheet/controls/DrawingStrip.h"
#include "worksheet/controls/PadControl.h"
#include "worksheet/controls/PictureButton.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// The widget painted as the backing store of a screen with that ratio would receive it.
QImage paintAt(QWidget& widget, int ratio) {
    QImage image(widget.size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

// Start and length of the first run of `colour` in a row (or a column) of device pixels.
std::pair<int, int> run(const QImage& image, QPoint from, QPoint step, const QColor& colour) {
    QPoint at = from;
    while (image.valid(at) && image.pixelColor(at) != colour)
        at += step;
    const QPoint start = at;
    while (image.valid(at) && image.pixelColor(at) == colour)
        at += step;
    const int startIndex = step.x() != 0 ? start.x() : start.y();
    return {image.valid(start) ? startIndex : -1, (at - start).manhattanLength()};
}

// The picture's black half ends 12.5 logical pixels in: on a 2x screen that is the edge
// between device pixels 24 and 25, which only a full-resolution rendering shows.
TEST(HighDpiRendering, PictureButtonsAreDrawnAtTheDeviceResolution) {
    PictureButton button(0, TwipsScale(96.0));
    button.resize(24, 22);
    button.setPicture(QStringLiteral(":/test/half-pixel.svg"));
    const QImage doubled = paintAt(button, 2);
    EXPECT_EQ(doubled.pixelColor(24, 20), QColor(Qt::black));
    EXPECT_EQ(doubled.pixelColor(25, 20), QColor(Qt::white));
}

class LinesAtRatio : public ::testing::TestWithParam<int> {};

// A scale tick is one logical pixel wide and as long as drawn, ends included; the pad's
// border is one logical pixel, its cross-hair lines two.
TEST_P(LinesAtRatio, KeepTheirWidthsInLogicalPixels) {
    const int r = GetParam();
    const QPoint across(1, 0);
    const QPoint down(0, 1);
    DrawingStrip strip(TwipsScale(96.0));
    strip.setGeometryTwips({0.0, 0.0, 2760.0, 345.0});
    strip.drawLine({660.0, 0.0}, {0.0, 120.0}, Qt::red);   // x 44, y 0 to 8
    strip.drawLine({1500.0, 30.0}, {0.0, 0.0}, Qt::green); // the point (100, 2)
    const QImage scale = paintAt(strip, r);
    EXPECT_EQ(run(scale, QPoint(0, 3 * r), across, Qt::red), std::make_pair(44 * r, r));
    EXPECT_EQ(run(scale, QPoint(44 * r, 0), down, Qt::red), std::make_pair(0, 9 * r));
    EXPECT_EQ(run(scale, QPoint(0, 2 * r), across, Qt::green), std::make_pair(100 * r, r));

    PadControl pad(TwipsScale(96.0));
    pad.setGeometryTwips({0.0, 0.0, 2220.0, 5040.0});
    pad.setVerticalLineX(1200.0);
    pad.setHorizontalLineY(2400.0);
    const QPoint crossing = pad.toWidgetPixels({1200.0, 2400.0});
    const QImage drawn = paintAt(pad, r);
    EXPECT_EQ(run(drawn, QPoint(0, 10 * r), across, QColor(0, 0, 128)),
              std::make_pair(crossing.x() * r, 2 * r));
    EXPECT_EQ(run(drawn, QPoint(20 * r, 0), down, QColor(128, 0, 0)),
              std::make_pair(crossing.y() * r, 2 * r));
    EXPECT_EQ(run(drawn, QPoint(0, 50 * r), across, Qt::black), std::make_pair(0, r));
}

INSTANTIATE_TEST_SUITE_P(Ratios, LinesAtRatio, ::testing::Values(1, 2));

} // namespace
