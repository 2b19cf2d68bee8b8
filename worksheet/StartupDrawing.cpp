#include "StartupDrawing.h"

#include "ParameterCursor.h"
#include "ParameterRow.h"
#include "WorksheetControls.h"
#include "WorksheetLayout.h"
#include "worksheet/controls/DrawingStrip.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/controls/PictureButton.h"

#include <QLabel>

namespace StartupDrawing {

// Written through the current cell, as the grid offers it; program moves raise no reaction.
void fillParameterTitles(GridControl& grid, ParameterCursor& cursor) {
    grid.setColumnWidthTwips(ParameterRow::titleColumn, 2160);
    grid.setColumnWidthTwips(ParameterRow::valueColumn, 1440);
    grid.setRow(0);
    grid.setColumn(ParameterRow::titleColumn);
    grid.setText(QStringLiteral("PARAMETERS:"));
    for (int row = ParameterRow::first; row <= ParameterRow::last; ++row) {
        grid.setRow(row);
        grid.setText(QString::fromLatin1(ParameterRow::title(row)));
    }
    grid.setColumn(ParameterRow::valueColumn);
    grid.setRow(ParameterRow::first);
    cursor.selectCell(ParameterRow::first, ParameterRow::valueColumn);
}

void writeDisclaimer(QLabel& warningBox) {
    warningBox.setText(
        QStringLiteral("Do NOT make investment decisions based on this software program alone.  "
                       "Always use your own judgment and consult your investment advisor.\r\n"));
}

void lineUpButtons(const WorksheetControls& controls) {
    auto rightOf = [&controls](int element) {
        const TwipsRect rect = controls.Thebutton(element).geometryTwips();
        return rect.left + rect.width;
    };
    controls.Thebutton(1).setLeftTwips(rightOf(0));
    controls.Thebutton(2).setLeftTwips(rightOf(1));
    controls.Thebutton(4).setLeftTwips(rightOf(3));
    const TwipsRect grid = WorksheetLayout::parameterGrid;
    controls.Thebutton(5).setLeftTwips(grid.left + grid.width -
                                       controls.Thebutton(5).geometryTwips().width);
}

// 120 twips a percent; each label 40 below the tick drawn just before it.
void drawGrowthScale(DrawingStrip& strip) {
    strip.setCurrentY(0);
    for (int i = 41; i >= 0; --i) {
        if (i != 41)
            strip.drawLine(QPointF(360, (41 - i) * 120), QPointF(120, 0), Qt::black);
        if ((i - 1) % 10 == 0) {
            strip.setCurrentX(60);
            strip.setCurrentY(strip.currentY() + 40);
            strip.writeNumber(i - 1);
        }
    }
}

// 120 twips a year; each label written where the previous tick ended (the labels past the
// strip's width are cut off).
void drawTermScale(DrawingStrip& strip) {
    strip.setCurrentX(0);
    for (int i = 1; i <= 20; ++i) {
        if (i % 5 == 0) {
            strip.setCurrentY(150);
            if (i < 10)
                strip.setCurrentX(strip.currentX() + 50);
            strip.writeNumber(i);
        }
        strip.drawLine(QPointF(540 + 120 * i, 0), QPointF(0, 120), Qt::black);
    }
}

} // namespace StartupDrawing
