#pragma once

#include "TwipsGeometry.h"

#include <QPointF>
#include <QWidget>

// The term and growth pad: a white box with a single black line as border and two
// cross-hair lines, a vertical one (dark blue, from y 0 to y 6180) and a horizontal one
// (dark red, from x 0 to x 2160), both 2 pixels wide. Lines and mouse positions are in twips
// from the top-left corner of the drawing area inside the border; positions outside the pad
// arrive too while a button is held.
class PadControl : public QWidget, public TwipsGeometry {
    Q_OBJECT

public:
    static constexpr double verticalLineLength = 6180.0;
    static constexpr double horizontalLineLength = 2160.0;
    static constexpr int borderPixels = 1;

    explicit PadControl(const TwipsScale& scale, QWidget* parent = nullptr);

    double verticalLineX() const { return verticalLineX_; }
    void setVerticalLineX(double twips);
    double horizontalLineY() const { return horizontalLineY_; }
    void setHorizontalLineY(double twips);

    // What the cross-hair's point means ("Term 10 years, growth 5 %"): assistive technology
    // reads it as the pad's name, which changes with every step. Setting it announces the
    // change; while it is empty the widget's accessible name counts.
    QString pointName() const { return pointName_; }
    void setPointName(const QString& name);

    // Between the widget's pixel positions and the pad's twips.
    QPointF toPadTwips(QPointF widgetPixels) const;
    QPoint toWidgetPixels(QPointF padTwips) const;

signals:
    // Press and release carry the button that went down or up; a move carries the buttons
    // held (none when the pointer just passes over the pad).
    void mousePressed(Qt::MouseButtons button, QPointF twips);
    void mouseMoved(Qt::MouseButtons buttons, QPointF twips);
    void mouseReleased(Qt::MouseButtons button, QPointF twips);
    // An arrow key while the pad has the keyboard: one lattice step across (Left -1, Right
    // +1) or down (Up -1, Down +1).
    void arrowKeyPressed(int across, int down);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double verticalLineX_ = 660.0;
    double horizontalLineY_ = 2340.0;
    QString pointName_;
};
