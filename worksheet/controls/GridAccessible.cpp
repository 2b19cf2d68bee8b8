#include "GridAccessible.h"

#include "GridControl.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <map>
#include <utility>

namespace {

class GridTable;

// One cell, by its place in the grid (fixed rows and columns counted). The table owns it.
class GridCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCell(GridTable& table, int row, int column) : table_(table), row_(row), column_(column) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    GridTable& table_;
    int row_;
    int column_;
};

class GridTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridTable(GridControl* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridTable() override {
        for (const auto& [place, id] : cells_)
            QAccessible::deleteAccessibleInterface(id);
    }

    GridControl& grid() const { return *static_cast<GridControl*>(widget()); }

    // The interface of a cell of the grid, made once and kept.
    QAccessibleInterface* cell(int row, int column) const {
        const std::pair<int, int> place(row, column);
        auto found = cells_.find(place);
        if (found == cells_.end()) {
            auto* made = new GridCell(const_cast<GridTable&>(*this), row, column);
            found = cells_.emplace(place, QAccessible::registerAccessibleInterface(made)).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }

    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        return cellAt(index / columnCount(), index % columnCount());
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QAccessibleTableCellInterface* place =
            child != nullptr ? const_cast<QAccessibleInterface*>(child)->tableCellInterface()
                             : nullptr;
        if (place == nullptr || place->table() != this)
            return -1;
        return place->rowIndex() * columnCount() + place->columnIndex();
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return cell(row + grid().fixedRows(), column + grid().fixedColumns());
    }
    int rowCount() const override { return grid().rowCount() - grid().fixedRows(); }
    int columnCount() const override { return grid().columnCount() - grid().fixedColumns(); }
    QString columnDescription(int column) const override {
        return grid().fixedRows() > 0 ? grid().cellText(0, column + grid().fixedColumns()).trimmed()
                                      : QString();
    }
    QString rowDescription(int row) const override {
        return grid().fixedColumns() > 0 ? grid().cellText(row + grid().fixedRows(), 0).trimmed()
                                         : QString();
    }

    // The highlight is the grid's selection.
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> found;
        for (int row = 0; row < rowCount(); ++row)
            for (int column = 0; column < columnCount(); ++column)
                if (grid().isHighlighted(row + grid().fixedRows(), column + grid().fixedColumns()))
                    found.append(cellAt(row, column));
        return found;
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // Assistive technology does not move the highlight: that is the user's, by the mouse
    // and the keys.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

bool GridCell::isValid() const {
    return table_.isValid() && row_ < table_.grid().rowCount() &&
           column_ < table_.grid().columnCount();
}

QAccessibleInterface* GridCell::parent() const {
    return const_cast<GridTable*>(&table_);
}

QAccessibleInterface* GridCell::table() const {
    return parent();
}

QString GridCell::text(QAccessible::Text kind) const {
    const GridControl& grid = table_.grid();
    if (kind == QAccessible::Name)
        return grid.cellText(row_, column_).trimmed();
    if (kind == QAccessible::Description) {
        const QTableWidgetItem* item = grid.item(row_, column_);
        return item != nullptr ? item->data(Qt::AccessibleDescriptionRole).toString() : QString();
    }
    return QString();
}

QRect GridCell::rect() const {
    const GridControl& grid = table_.grid();
    const QRect inView = grid.visualRect(grid.model()->index(row_, column_));
    return QRect(grid.viewport()->mapToGlobal(inView.topLeft()), inView.size());
}

QAccessible::Role GridCell::role() const {
    const GridControl& grid = table_.grid();
    if (row_ < grid.fixedRows())
        return QAccessible::ColumnHeader;
    if (column_ < grid.fixedColumns())
        return QAccessible::RowHeader;
    return QAccessible::Cell;
}

QAccessible::State GridCell::state() const {
    const GridControl& grid = table_.grid();
    QAccessible::State state;
    state.invisible = !grid.isVisible();
    state.selectable = !grid.isFixedCell(row_, column_);
    state.selected = grid.isHighlighted(row_, column_);
    state.focusable = state.selectable;
    state.focused = grid.hasFocus() && grid.row() == row_ && grid.column() == column_;
    return state;
}

bool GridCell::isSelected() const {
    return table_.grid().isHighlighted(row_, column_);
}

QList<QAccessibleInterface*> GridCell::columnHeaderCells() const {
    const GridControl& grid = table_.grid();
    if (grid.fixedRows() == 0 || grid.cellText(0, column_).trimmed().isEmpty())
        return {};
    return {table_.cell(0, column_)};
}

QList<QAccessibleInterface*> GridCell::rowHeaderCells() const {
    const GridControl& grid = table_.grid();
    if (grid.fixedColumns() == 0 || grid.cellText(row_, 0).trimmed().isEmpty())
        return {};
    return {table_.cell(row_, 0)};
}

int GridCell::columnIndex() const {
    return column_ - table_.grid().fixedColumns();
}

int GridCell::rowIndex() const {
    return row_ - table_.grid().fixedRows();
}

} // namespace

QAccessibleInterface* gridAccessible(GridControl* grid) {
    return new GridTable(grid);
}
