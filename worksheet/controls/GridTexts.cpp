#include "GridTexts.h"

#include <algorithm>

StoredGridTexts::StoredGridTexts(int rows, int columns)
    : columns_(std::max(columns, 1)),
      texts_(static_cast<std::size_t>(std::max(rows, 0)) * static_cast<std::size_t>(columns_)) {}

std::size_t StoredGridTexts::place(int row, int column) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column);
}

QString StoredGridTexts::text(int row, int column) const {
    return texts_[place(row, column)];
}

void StoredGridTexts::setText(int row, int column, const QString& text) {
    texts_[place(row, column)] = text;
}

void StoredGridTexts::setRowCount(int rows) {
    texts_.resize(static_cast<std::size_t>(std::max(rows, 0)) * static_cast<std::size_t>(columns_));
}
