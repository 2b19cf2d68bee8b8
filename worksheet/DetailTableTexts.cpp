#include "DetailTableTexts.h"

#include <algorithm>

QString DetailTableTexts::text(int row, int column) const {
    const std::string& cell =
        table_.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    return QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
}

void DetailTableTexts::setText(int row, int column, const QString& text) {
    table_.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
        text.toStdString();
}

void DetailTableTexts::setRowCount(int rows) {
    table_.rows.resize(static_cast<std::size_t>(std::max(rows, 0)));
}
