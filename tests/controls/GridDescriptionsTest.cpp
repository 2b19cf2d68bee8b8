// A screen reader reads a grid cell by its figure; the cell's description says what the
// figure is, from the titles in the fixed column and the headings in the fixed row.

#include "worksheet/controls/GridControl.h"

#include <QAccessible>
#include <QAccessibleTableInterface>

#include <gtest/gtest.h>

namespace {

// The cell's description as assistive technology reads it; the table holds the movable
// cells only, so grid cell (row, column) is the table's (row - 1, column - fixed columns).
std::string description(GridControl& grid, int row, int column) {
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(&grid)->tableInterface();
    QAccessibleInterface* cell = table->cellAt(row - 1, column - grid.fixedColumns());
    return cell != nullptr ? cell->text(QAccessible::Description).toStdString() : "no cell";
}

// Titles written before and after, rewritten and emptied; both kinds joined.
TEST(GridDescriptions, CellsAreDescribedByTheirRowTitlesAndColumnHeadings) {
    GridControl grid(3, 3, 1, 1, TwipsScale(96.0));
    grid.setCellText(1, 0, QStringLiteral("Annual Earnings per Share"));
    grid.show();
    grid.setCellText(2, 0, QStringLiteral(" Term (years) "));
    grid.setCellText(0, 2, QStringLiteral("Later"));
    EXPECT_EQ(description(grid, 1, 1), "Annual Earnings per Share");
    EXPECT_EQ(description(grid, 2, 1), "Term (years)");
    EXPECT_EQ(description(grid, 2, 2), "Term (years), Later");

    grid.setCellText(1, 0, QStringLiteral("Renamed"));
    EXPECT_EQ(description(grid, 1, 1), "Renamed");
    grid.setCellText(1, 0, QString());
    EXPECT_EQ(description(grid, 1, 1), "");
}

// The detail table's shape: headings only, rows added after the headings were written; while
// hidden the table shows no cells at all.
TEST(GridDescriptions, RowsAddedLaterAreDescribedAndHiddenGridsHaveNoCells) {
    GridControl grid(2, 2, 1, 0, TwipsScale(96.0));
    grid.show();
    grid.setCellText(0, 1, QStringLiteral("Earnings"));
    grid.setRowCount(5);
    grid.setCellText(4, 1, QStringLiteral("1.10"));
    EXPECT_EQ(description(grid, 4, 1), "Earnings");
    EXPECT_EQ(description(grid, 3, 0), "");

    grid.hide();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&grid)->tableInterface()->rowCount(), 0);
    EXPECT_EQ(grid.cellText(4, 1), "1.10");
}

} // namespace
