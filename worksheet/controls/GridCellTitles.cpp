#include "GridCellTitles.h"

#include "GridControl.h"

#include <QStringList>

GridCellTitles::GridCellTitles(GridControl& grid) : QObject(&grid), grid_(grid) {
    connect(&grid_, &QTableWidget::itemChanged, this, &GridCellTitles::cellChanged);
    for (int row = grid_.fixedRows(); row < grid_.rowCount(); ++row)
        describeRow(row);
}

QString GridCellTitles::descriptionOf(int row, int column) const {
    if (grid_.isFixedCell(row, column))
        return QString();
    QStringList parts;
    if (grid_.fixedColumns() > 0)
        parts << grid_.cellText(row, 0).trimmed();
    if (grid_.fixedRows() > 0)
        parts << grid_.cellText(0, column).trimmed();
    parts.removeAll(QString());
    return parts.join(QStringLiteral(", "));
}

// Writing a description changes the cell once more; describing it again then finds nothing
// to change, so this ends there.
void GridCellTitles::cellChanged(QTableWidgetItem* cell) {
    const int row = cell->row();
    const int column = cell->column();
    if (!grid_.isFixedCell(row, column)) {
        describe(*cell);
        return;
    }
    if (column == 0 && grid_.fixedColumns() > 0)
        describeRow(row);
    if (row == 0 && grid_.fixedRows() > 0)
        describeColumn(column);
}

void GridCellTitles::describeRow(int row) {
    for (int column = grid_.fixedColumns(); column < grid_.columnCount(); ++column) {
        if (QTableWidgetItem* cell = grid_.item(row, column))
            describe(*cell);
    }
}

void GridCellTitles::describeColumn(int column) {
    for (int row = grid_.fixedRows(); row < grid_.rowCount(); ++row) {
        if (QTableWidgetItem* cell = grid_.item(row, column))
            describe(*cell);
    }
}

void GridCellTitles::describe(QTableWidgetItem& cell) {
    const QString description = descriptionOf(cell.row(), cell.column());
    if (cell.data(Qt::AccessibleDescriptionRole).toString() != description)
        cell.setData(Qt::AccessibleDescriptionRole, description);
}
