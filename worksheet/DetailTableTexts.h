#pragma once

#include "engine/DetailTable.h"
#include "worksheet/controls/GridTexts.h"

// The detail grid's texts: the engine's table itself, read as the grid paints, so that a
// long term costs one string a cell and no widget item.
class DetailTableTexts : public GridTexts {
public:
    explicit DetailTableTexts(DetailTable table) : table_(std::move(table)) {}

    int rowCount() const override { return static_cast<int>(table_.rows.size()); }
    int columnCount() const override { return DetailTable::kColumns; }
    QString text(int row, int column) const override;
    void setText(int row, int column, const QString& text) override;
    void setRowCount(int rows) override;

private:
    DetailTable table_;
};
