#include "GridModel.h"

#include <QStringList>

GridModel::GridModel(std::unique_ptr<GridTexts> texts, bool fixedRow, bool fixedColumn,
                     QObject* parent)
    : QAbstractTableModel(parent), texts_(std::move(texts)), fixedRow_(fixedRow),
      fixedColumn_(fixedColumn) {}

void GridModel::setText(int row, int column, const QString& text) {
    texts_->setText(row, column, text);
    if (!exposed_)
        return;
    if (row < fixedRows() && column >= fixedColumns()) {
        emit headerDataChanged(Qt::Horizontal, column - fixedColumns(), column - fixedColumns());
    } else if (column < fixedColumns() && row >= fixedRows()) {
        emit headerDataChanged(Qt::Vertical, row - fixedRows(), row - fixedRows());
    } else if (row >= fixedRows() && column >= fixedColumns()) {
        const QModelIndex cell = index(row - fixedRows(), column - fixedColumns());
        emit dataChanged(cell, cell, {Qt::DisplayRole});
    }
}

void GridModel::setRowCount(int rows) {
    if (rows == texts_->rowCount())
        return;
    beginResetModel();
    texts_->setRowCount(rows);
    endResetModel();
}

void GridModel::replaceTexts(std::unique_ptr<GridTexts> texts) {
    beginResetModel();
    texts_ = std::move(texts);
    endResetModel();
}

void GridModel::setExposed(bool exposed) {
    if (exposed == exposed_)
        return;
    beginResetModel();
    exposed_ = exposed;
    endResetModel();
}

QString GridModel::descriptionOf(int row, int column) const {
    QStringList parts;
    if (fixedColumn_)
        parts << texts_->text(row, 0).trimmed();
    if (fixedRow_)
        parts << texts_->text(0, column).trimmed();
    parts.removeAll(QString());
    return parts.join(QStringLiteral(", "));
}

int GridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !exposed_)
        return 0;
    return texts_->rowCount() - fixedRows();
}

int GridModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return texts_->columnCount() - fixedColumns();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row() + fixedRows();
    const int column = index.column() + fixedColumns();
    switch (role) {
    case Qt::DisplayRole:
        return texts_->text(row, column);
    case Qt::AccessibleTextRole:
        return texts_->text(row, column).trimmed();
    case Qt::AccessibleDescriptionRole:
        return descriptionOf(row, column);
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    QString text;
    if (orientation == Qt::Horizontal && fixedRow_)
        text = texts_->text(0, section + fixedColumns());
    else if (orientation == Qt::Vertical && fixedColumn_)
        text = texts_->text(section + fixedRows(), 0);
    return role == Qt::AccessibleTextRole ? text.trimmed() : text;
}

// The user never types into a cell.
Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
