#pragma once

#include <QObject>

class GridControl;
class QTableWidgetItem;

// Assistive technology reads a grid cell by its text; a figure alone does not say what it
// is. This keeps every movable cell described by what the grid's fixed cells say about it:
// the title in fixed column 0 of its row and the heading in fixed row 0 of its column, those
// the grid has and that are not empty, joined by ", ". Titles written later, rows and columns
// added later, are followed. Owned by the grid.
class GridCellTitles : public QObject {
    Q_OBJECT

public:
    explicit GridCellTitles(GridControl& grid);

    QString descriptionOf(int row, int column) const;

private:
    void cellChanged(QTableWidgetItem* cell);
    void describeRow(int row);
    void describeColumn(int column);
    void describe(QTableWidgetItem& cell);

    GridControl& grid_;
};
