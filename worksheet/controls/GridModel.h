#pragma once

#include "GridTexts.h"

#include <QAbstractTableModel>

#include <memory>

// A grid's texts as Qt's item views read them: the movable cells are the model's items, the
// fixed row gives the horizontal header and the fixed column the vertical one. Each item is
// described by its row's title and its column's heading, so that assistive technology says
// what a figure is.
//
// While the grid is not exposed (a hidden grid) the model has no rows: nothing reads cells
// that no one can see, and a screen reader walking the tree finds none.
class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // At most one fixed row and one fixed column: they are the headers.
    GridModel(std::unique_ptr<GridTexts> texts, bool fixedRow, bool fixedColumn,
              QObject* parent = nullptr);

    int fixedRows() const { return fixedRow_ ? 1 : 0; }
    int fixedColumns() const { return fixedColumn_ ? 1 : 0; }
    const GridTexts& texts() const { return *texts_; }

    // In the grid's numbering; the caller keeps inside the grid.
    void setText(int row, int column, const QString& text);
    void setRowCount(int rows);
    void replaceTexts(std::unique_ptr<GridTexts> texts);
    void setExposed(bool exposed);

    // The assistive description of a movable cell: its row title and column heading.
    QString descriptionOf(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::unique_ptr<GridTexts> texts_;
    bool fixedRow_;
    bool fixedColumn_;
    bool exposed_ = false;
};
