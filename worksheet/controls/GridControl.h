#pragma once

#include "TwipsGeometry.h"

#include <QTableView>

#include <memory>
#include <vector>

class GridHeader;
class GridModel;
class GridTexts;

// A grid in the old platform's manner, on Qt's model/view:
// - rows and columns are numbered as the grid shows them, its fixed row and fixed column
//   counted (row 0, column 0); at most one of each, and they are Qt's headers: the fixed row
//   stays on top when the rows scroll;
// - the current cell (row(), column()) and the highlighted range are kept apart: moving the
//   current cell in the program leaves the highlight where it is; the highlight is the
//   view's selection, which assistive technology reads, and the current cell is Qt's current
//   index only while the grid has the keyboard, so that no cell claims the focus otherwise;
// - userMovedCurrentCell() is raised only when the user moves the current cell with the mouse
//   or the keyboard, never for setRow()/setColumn() or any other call of the program;
// - the user never types into a cell.
// The grid keeps at least one row below its fixed row and one column right of its fixed
// column. Its texts come from a GridTexts: its own store, or one the owner hands over whole.
class GridControl : public QTableView, public TwipsGeometry {
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
    ~GridControl() override;

    // A hidden grid keeps its texts but offers no cells to Qt's views and to assistive
    // technology.
    void setVisible(bool visible) override;

    int fixedRows() const;
    int fixedColumns() const;
    int rowCount() const;
    int columnCount() const;

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

    // New cells hold empty texts; the current cell and the highlight stay inside the grid.
    void setRowCount(int rows);
    // Every text at once, the row count with them; the columns stay.
    void setTexts(std::unique_ptr<GridTexts> texts);

    void setColumnWidthTwips(int column, double twips);
    // In pixels, by the grid's column numbers (QTableView's own counts only the model's).
    int columnWidth(int column) const;

    // Alignment of a column's fixed row (header) and of its other rows (data).
    void setColumnAlignment(int column, Qt::Alignment header, Qt::Alignment data);
    Qt::Alignment cellAlignment(int row, int column) const;

    // The highlighted range; start and end may come in either order.
    void setHighlight(Range range);
    Range highlight() const { return highlight_; }

    bool isFixedCell(int row, int column) const;
    // Fixed cells are never painted highlighted, even inside the range.
    bool isHighlighted(int row, int column) const;

    // Where cell (row, column) is shown, in the grid's own coordinates; empty while its row
    // is not laid out (a hidden grid).
    QRect cellRect(int row, int column) const;
    // The first row below the fixed row that is wholly in view.
    int topRow() const;
    QColor gridLineColour() const;

signals:
    // The user made another cell current; the highlight is already the new cell.
    void userMovedCurrentCell();
    // Any move of the current cell, the program's included.
    void currentCellChanged(int currentRow, int currentColumn, int previousRow,
                            int previousColumn);
    // A text written into a cell changed it.
    void cellChanged(int row, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Cell {
        int row = -1;
        int column = -1;
    };

    Cell cellUnder(const QObject* surface, QPoint point) const;
    void pointerOn(Cell cell, const QMouseEvent& event);
    void moveByUser(int row, int column);
    void moveCurrent(int row, int column);
    void syncViewCurrent();
    void syncSelection();
    void afterReset();
    void applyColumnWidths();
    void paintCorner(QWidget& corner) const;
    void updateCells();
    Range clampedToGrid(Range range) const;
    int visibleRowCount() const;

    GridModel* model_;
    GridHeader* columnHeadings_;
    GridHeader* rowTitles_;
    QWidget* corner_ = nullptr;
    int row_ = 0;
    int column_ = 0;
    Range highlight_;
    std::vector<double> columnWidthsTwips_;
    std::vector<Qt::Alignment> headerAlignments_;
    std::vector<Qt::Alignment> dataAlignments_;
};
