// A screen reader reads a grid cell by its figure; the cell's description says what the
// figure is, from the titles and headings in the grid's fixed cells.

#include "GridCellTitles.h"
#include "GridControl.h"

#include <QAccessible>
#include <QAccessibleTableInterface>

#include <gtest/gtest.h>

namespace {

// What assistive technology reads for cell (row, column): name and description.
std::pair<QString, QString> readCell(GridControl& grid, int row, int column) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(row, column);
    if (cell == nullptr)
        return {QStringLiteral("<no cell>"), QString()};
    return {cell->text(QAccessible::Name), cell->text(QAccessible::Description)};
}

// The parameter grid's shape: titles in the fixed column, values beside them.
TEST(GridCellTitles, ValuesAreDescribedByTheirRowTitles) {
    GridControl grid(6, 2, 1, 1, TwipsScale(96.0));
    new GridCellTitles(grid);
    grid.setCellText(0, 0, QStringLiteral("PARAMETERS:"));
    grid.setCellText(1, 0, QStringLiteral("Annual Earnings per Share"));
    grid.setCellText(4, 0, QStringLiteral("Term (years)"));
    grid.setCellText(1, 1, QStringLiteral("2.5"));

    EXPECT_EQ(readCell(grid, 1, 1),
              std::make_pair(QStringLiteral("2.5"), QStringLiteral("Annual Earnings per Share")));
    EXPECT_EQ(readCell(grid, 4, 1), std::make_pair(QString(), QStringLiteral("Term (years)")));
    EXPECT_EQ(readCell(grid, 2, 1).second, QString()); // no title yet
    // The titles themselves need no description.
    EXPECT_EQ(readCell(grid, 1, 0).second, QString());
    EXPECT_EQ(readCell(grid, 0, 0).second, QString());
}

// The detail table's shape: headings in the fixed row, the rows written after the headings
// and grown and shrunk between fillings.
TEST(GridCellTitles, FiguresAreDescribedByTheirHeadingsInRowsAddedLater) {
    GridControl grid(2, 3, 1, 0, TwipsScale(96.0));
    grid.setCellText(0, 1, QStringLiteral("Earnings"));
    new GridCellTitles(grid); // after a heading was written
    grid.setCellText(0, 2, QStringLiteral("Dividends"));
    grid.setRowCount(4);
    grid.setCellText(3, 1, QStringLiteral("1.10"));

    EXPECT_EQ(readCell(grid, 1, 1).second, QStringLiteral("Earnings"));
    EXPECT_EQ(readCell(grid, 3, 1),
              std::make_pair(QStringLiteral("1.10"), QStringLiteral("Earnings")));
    EXPECT_EQ(readCell(grid, 3, 2).second, QStringLiteral("Dividends"));
    EXPECT_EQ(readCell(grid, 3, 0).second, QString()); // column without a heading

    grid.setRowCount(2);
    grid.setRowCount(5);
    EXPECT_EQ(readCell(grid, 4, 2).second, QStringLiteral("Dividends"));
}

// A title rewritten, a grid with both kinds of titles, a grid with none.
TEST(GridCellTitles, DescriptionsFollowTitlesAndJoinBothKinds) {
    GridControl grid(3, 3, 1, 1, TwipsScale(96.0));
    GridCellTitles titles(grid);
    grid.setCellText(1, 0, QStringLiteral("First"));
    grid.setCellText(0, 2, QStringLiteral("Second column"));
    EXPECT_EQ(titles.descriptionOf(1, 2), QStringLiteral("First, Second column"));
    EXPECT_EQ(readCell(grid, 1, 2).second, QStringLiteral("First, Second column"));
    EXPECT_EQ(readCell(grid, 1, 1).second, QStringLiteral("First"));
    EXPECT_EQ(readCell(grid, 2, 2).second, QStringLiteral("Second column"));

    grid.setCellText(1, 0, QStringLiteral("  Renamed "));
    EXPECT_EQ(readCell(grid, 1, 1).second, QStringLiteral("Renamed"));
    grid.setCellText(1, 0, QString());
    EXPECT_EQ(readCell(grid, 1, 1).second, QString());

    GridControl bare(3, 3, 0, 0, TwipsScale(96.0));
    const GridCellTitles none(bare);
    bare.setCellText(1, 1, QStringLiteral("7"));
    EXPECT_EQ(none.descriptionOf(1, 1), QString());
    EXPECT_EQ(readCell(bare, 1, 1), std::make_pair(QStringLiteral("7"), QString()));
}

} // namespace
