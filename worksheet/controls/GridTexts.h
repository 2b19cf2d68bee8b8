#pragma once

#include <QString>

#include <cstddef>
#include <vector>

// The texts a GridControl shows, by the grid's own row and column numbers (its fixed rows and
// columns counted). The grid reads them as it paints, so a source may keep its texts in
// whatever form it already has them.
class GridTexts {
public:
    virtual ~GridTexts() = default;

    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    // Row and column are inside the grid.
    virtual QString text(int row, int column) const = 0;
    virtual void setText(int row, int column, const QString& text) = 0;
    // New rows hold empty texts.
    virtual void setRowCount(int rows) = 0;
};

// Texts kept as they are written, row by row.
class StoredGridTexts : public GridTexts {
public:
    StoredGridTexts(int rows, int columns);

    int rowCount() const override { return static_cast<int>(texts_.size()) / columns_; }
    int columnCount() const override { return columns_; }
    QString text(int row, int column) const override;
    void setText(int row, int column, const QString& text) override;
    void setRowCount(int rows) override;

private:
    std::size_t place(int row, int column) const;

    int columns_;
    std::vector<QString> texts_;
};
