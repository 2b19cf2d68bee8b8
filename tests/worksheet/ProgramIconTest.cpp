#include "WorksheetFixture.h"

#include "MDIForm1.h"
#include "ProgramIcon.h"

#include <QImage>
#include <QSet>

namespace {

using ProgramIcon = WorksheetFixture;

// The icon is drawn for the size and ratio asked for: a 2x window icon has twice the pixels
// and only the drawing's own colours, none blended by blowing up a smaller picture.
TEST_F(ProgramIcon, IsDrawnAtTheDeviceResolution) {
    const QIcon icon = programIcon();
    const QImage single = icon.pixmap(QSize(32, 32), 1.0).toImage();
    const QImage doubled = icon.pixmap(QSize(32, 32), 2.0).toImage();
    ASSERT_EQ(single.size(), QSize(32, 32));
    ASSERT_EQ(doubled.size(), QSize(64, 64));
    QSet<QRgb> drawingColours;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            drawingColours.insert(single.pixel(x, y));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_TRUE(drawingColours.contains(doubled.pixel(x, y))) << x << "," << y;
    EXPECT_EQ(program->frame().windowIcon().pixmap(QSize(32, 32), 2.0).toImage(), doubled);
}

} // namespace
