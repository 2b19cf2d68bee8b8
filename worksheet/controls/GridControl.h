#pragma once

#include "TwipsGeometry.h"

#include <QTableWidget>

#include <vector>

// A grid in the old platform's manner, on top of QTableWidget:
// - fixed rows at the top and fixed columns at the left are ordinary cells painted grey
//   (Qt's own headers stay hidden);
// - the current cell (row(), column()) and the highlighted range are kept apart: moving the
//   current cell in the program leaves the highlight where it is;
// - userMovedCurrentCell() is raised only when the user moves the current cell with the mouse
//   or the keyboard, never for setRow()/setColumn() or any other call of the program;
// - the user never types into a cell, and Qt's selection model plays no part (the highlight
//   is painted by GridCellDelegate).
// The grid keeps at least one row below its fixed rows and one column right of its fixed
// columns.
class GridControl : public QTableWidget, public TwipsGeometry {
    Q_OBJECT

public:
    struct Range {
        int startRow = 0;
        int startColumn = 0;
        int endRow = 0;
        int endColumn = 0;

        friend bool operator==(const Range&, const Range&) = default;
    };

    static constexpr double defaultColumnWidthTwips = 960.0;
    // Text height plus a little; six rows and the one-pixel border fit into 1680 twips.
    static constexpr double defaultRowHeightTwips = 270.0;

    GridControl(int rows, int columns, int fixedRows, int fixedColumns, const TwipsScale& scale,
                QWidget* parent = nullptr);

    int fixedRows() const { return fixedRows_; }
    int fixedColumns() const { return fixedColumns_; }

    // The current cell. Setting it is a program change: no notification, highlight unchanged,
    // no scrolling. A row or column outside the grid is ignored.
    int row() const { return row_; }
    int column() const { return column_; }
    void setRow(int row);
    void setColumn(int column);

    // The text of the current cell.
    QString text() const;
    void setText(const QString& text);

    // Any cell, without moving the current cell. Reading outside the grid gives "".
    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);

    // Hides QTableWidget's (non-virtual) function of the same name, so that new cells hold
    // empty texts and the current cell and the highlight stay inside the grid.
    void setRowCount(int rows);

    void setColumnWidthTwips(int column, double twips);

    // Alignment of a column's fixed rows (header) and of its other rows (data).
    void setColumnAlignment(int column, Qt::Alignment header, Qt::Alignment data);
    Qt::Alignment cellAlignment(int row, int column) const;

    // The highlighted range; start and end may come in either order.
    void setHighlight(Range range);
    Range highlight() const { return highlight_; }

    bool isFixedCell(int row, int column) const;
    // Fixed cells are never painted highlighted, even inside the range.
    bool isHighlighted(int row, int column) const;

signals:
    // The user made another cell current; the highlight is already the new cell.
    void userMovedCurrentCell();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void moveByUser(int row, int column);
    void syncViewCurrent();
    void fillEmptyCells();
    void applyColumnWidths();
    Range clampedToGrid(Range range) const;
    int visibleRowCount() const;

    int fixedRows_;
    int fixedColumns_;
    int row_ = 0;
    int column_ = 0;
    Range highlight_;
    std::vector<double> columnWidthsTwips_;
    std::vector<Qt::Alignment> headerAlignments_;
    std::vector<Qt::Alignment> dataAlignments_;
};
