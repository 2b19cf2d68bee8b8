#pragma once

#include <QHeaderView>

class GridControl;

// A fixed row (horizontal) or fixed column (vertical) of a GridControl: Qt's header, painted
// cell by cell exactly as the grid paints its fixed cells, at the breadth the grid sets
// (the fixed row's height, the fixed column's width). Its sections neither move, resize nor
// react to clicks of their own: the grid handles the pointer over them.
class GridHeader : public QHeaderView {
    Q_OBJECT

public:
    GridHeader(Qt::Orientation orientation, const GridControl& grid);

    void setBreadth(int pixels);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    const GridControl& grid_;
    int breadth_ = 0;
};
