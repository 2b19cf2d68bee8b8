#include "tests/support/WorksheetFixture.h"

#include "worksheet/controls/DrawingStrip.h"

#include <QImage>

namespace {

using ScaleDrawingTest = WorksheetFixture;

// 41 ticks from y 120 to 4920 at x 360 to 480; the labels 40 to 0 every ten percent,
// each 40 below the tick drawn before it.
TEST_F(ScaleDrawingTest, GrowthScaleHasItsTicksAndLabels) {
    const DrawingStrip& strip = form().controls().Picture2;
    ASSERT_EQ(strip.lines().size(), 41u);
    for (std::size_t i = 0; i < strip.lines().size(); ++i) {
        const auto& line = strip.lines()[i];
        EXPECT_EQ(line.from, QPointF(360, 120.0 * static_cast<double>(i + 1))) << i;
        EXPECT_EQ(line.to, QPointF(480, 120.0 * static_cast<double>(i + 1))) << i;
    }
    EXPECT_EQ(strip.lines().back().from.y(), 4920);
    const std::pair<QPointF, QString> labels[] = {{{60, 40}, " 40 "},
                                                  {{60, 1240}, " 30 "},
                                                  {{60, 2440}, " 20 "},
                                                  {{60, 3640}, " 10 "},
                                                  {{60, 4840}, " 0 "}};
    ASSERT_EQ(strip.texts().size(), std::size(labels));
    for (std::size_t i = 0; i < std::size(labels); ++i) {
        EXPECT_EQ(strip.texts()[i].topLeft, labels[i].first) << i;
        EXPECT_EQ(strip.texts()[i].text, labels[i].second) << i;
    }
}

// Ticks at x 660 to 2940; labels 5, 10, 15 and 20 where the previous tick ended.
TEST_F(ScaleDrawingTest, TermScaleHasItsTicksAndLabels) {
    const DrawingStrip& strip = form().controls().Picture3;
    ASSERT_EQ(strip.lines().size(), 20u);
    EXPECT_EQ(strip.lines().front().from, QPointF(660, 0));
    EXPECT_EQ(strip.lines().front().to, QPointF(660, 120));
    EXPECT_EQ(strip.lines().back().from, QPointF(2940, 0));
    const std::pair<QPointF, QString> labels[] = {
        {{1070, 150}, " 5 "}, {{1620, 150}, " 10 "}, {{2220, 150}, " 15 "}, {{2820, 150}, " 20 "}};
    ASSERT_EQ(strip.texts().size(), std::size(labels));
    for (std::size_t i = 0; i < std::size(labels); ++i) {
        EXPECT_EQ(strip.texts()[i].topLeft, labels[i].first) << i;
        EXPECT_EQ(strip.texts()[i].text, labels[i].second) << i;
    }
}

// Covering and uncovering the window, or a resize, shows the same drawing again.
TEST_F(ScaleDrawingTest, ScalesSurviveHidingAndResizing) {
    const QImage growth = form().controls().Picture2.grab().toImage();
    const QImage term = form().controls().Picture3.grab().toImage();
    form().hide();
    QCoreApplication::processEvents();
    form().show();
    form().resize(form().width() - 40, form().height() - 40);
    QCoreApplication::processEvents();
    EXPECT_EQ(form().controls().Picture2.grab().toImage(), growth);
    EXPECT_EQ(form().controls().Picture3.grab().toImage(), term);
    EXPECT_EQ(form().controls().Picture2.lines().size(), 41u);
}

// A later activation (a dialog closing) draws nothing again and leaves the focus alone.
TEST_F(ScaleDrawingTest, LaterActivationsChangeNothing) {
    emit form().activated();
    EXPECT_EQ(form().controls().Picture2.lines().size(), 41u);
    EXPECT_EQ(form().controls().Picture3.texts().size(), 4u);
}

} // namespace
