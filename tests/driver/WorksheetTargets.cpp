#include "WorksheetTargets.h"

#include "tests/support/GridCellPoint.h"
#include "worksheet/controls/DrawingStrip.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/controls/HoverLabel.h"
#include "worksheet/controls/HoverSurface.h"
#include "worksheet/controls/PictureButton.h"
#include "worksheet/controls/ListControl.h"
#include "worksheet/controls/PadControl.h"
#include "ScenarioFailure.h"
#include "worksheet/Valkubeform.h"

#include <QHeaderView>

#include <QScrollBar>

#include <array>

namespace {

QPointF centre(const TwipsRect& rect) {
    return QPointF(rect.left + rect.width / 2, rect.top + rect.height / 2);
}

// A point in the surface's twips, as the surface's own pixels.
WidgetPoint onSurface(const Valkubeform& form, QPointF twips) {
    return WidgetPoint{&form.controls().surface, form.controls().surface.twipsScale().toPixelsF(twips)};
}

// Right of the grids and below the scales nothing is placed; the first of these points that
// is still bare is taken.
constexpr std::array<QPointF, 4> bareCandidates{QPointF(8350, 1500), QPointF(8350, 4500),
                                                QPointF(8300, 6500), QPointF(1800, 6300)};

QAbstractScrollArea* scrollingControl(const Valkubeform& form, const QString& name) {
    if (name == QLatin1String("Thegrid"))
        return &form.controls().Thegrid;
    if (name == QLatin1String("Detailgrid"))
        return &form.controls().Detailgrid;
    if (name == QLatin1String("Yieldlist"))
        return &form.controls().Yieldlist;
    rejectArgument(QStringLiteral("%1 has no scroll bar").arg(name));
}

QWidget* namedControl(const Valkubeform& form, const QString& name) {
    if (name == QLatin1String("Picture1"))
        return &form.controls().Picture1;
    if (name == QLatin1String("Picture2"))
        return &form.controls().Picture2;
    if (name == QLatin1String("Picture3"))
        return &form.controls().Picture3;
    return scrollingControl(form, name);
}

WidgetPoint middleOf(QWidget& widget, const QString& name) {
    if (!widget.isVisible())
        failScenario(name + QStringLiteral(" is hidden"));
    return WidgetPoint{&widget, QRectF(widget.rect()).center()};
}

} // namespace

namespace WorksheetTargets {

WidgetPoint gridCell(const GridControl& grid, int row, int column) {
    if (row >= grid.rowCount() || column >= grid.columnCount())
        rejectArgument(QStringLiteral("%1 has no cell (%2, %3); it has %4 rows and %5 columns")
                           .arg(grid.objectName())
                           .arg(row)
                           .arg(column)
                           .arg(grid.rowCount())
                           .arg(grid.columnCount()));
    if (grid.isHidden())
        failScenario(grid.objectName() + QStringLiteral(" is hidden"));
    // The fixed row never scrolls; the fixed column scrolls with the cells.
    const QRect shownIn = column < grid.fixedColumns() ? grid.verticalHeader()->geometry()
                                                        : grid.viewport()->geometry();
    if (row >= grid.fixedRows() && !shownIn.contains(grid.cellRect(row, column).center()))
        failScenario(QStringLiteral("cell (%1, %2) of %3 is out of view")
                         .arg(row)
                         .arg(column)
                         .arg(grid.objectName()));
    const GridCellPoint target = gridCellPoint(grid, row, column);
    return WidgetPoint{target.widget, target.point};
}

WidgetPoint listEntry(ListControl& list, int position) {
    if (position >= list.count())
        rejectArgument(QStringLiteral("%1 has no entry %2; it has %3")
                           .arg(list.objectName())
                           .arg(position)
                           .arg(list.count()));
    QListWidgetItem* entry = list.item(position);
    list.scrollToItem(entry);
    return WidgetPoint{list.viewport(), QRectF(list.visualItemRect(entry)).center()};
}

WidgetPoint button(const Valkubeform& form, int element) {
    return onSurface(form, centre(form.controls().Thebutton(element).geometryTwips()));
}

WidgetPoint hint(const Valkubeform& form) {
    return onSurface(form, centre(form.controls().Yellowbox.geometryTwips()));
}

WidgetPoint bareSurface(const Valkubeform& form) {
    HoverSurface& surface = form.controls().surface;
    for (const QPointF& twips : bareCandidates) {
        const QPointF pixels = form.controls().surface.twipsScale().toPixelsF(twips);
        if (surface.rect().contains(pixels.toPoint()) &&
            surface.childAt(pixels.toPoint()) == nullptr)
            return WidgetPoint{&surface, pixels};
    }
    failScenario(QStringLiteral("no bare place is left on the worksheet"));
}

WidgetPoint control(const Valkubeform& form, const QString& name) {
    return middleOf(*namedControl(form, name), name);
}

WidgetPoint scrollBar(const Valkubeform& form, const QString& name) {
    QAbstractScrollArea* area = scrollingControl(form, name);
    if (!area->isVisible())
        failScenario(name + QStringLiteral(" is hidden"));
    QScrollBar* bar = area->verticalScrollBar();
    if (!bar->isVisible())
        failScenario(name + QStringLiteral(" shows no scroll bar"));
    return middleOf(*bar, name);
}

WidgetPoint pad(const Valkubeform& form, QPointF twips) {
    PadControl& pad = form.controls().Picture1;
    const QPointF border(PadControl::borderPixels, PadControl::borderPixels);
    return WidgetPoint{&pad, border + pad.twipsScale().toPixelsF(twips)};
}

} // namespace WorksheetTargets
