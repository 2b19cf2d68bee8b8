#pragma once

#include "TwipsGeometry.h"

#include <QPixmap>
#include <QPointF>
#include <QWidget>

// An image control of a control array: shows one SVG picture scaled to fill it, never takes
// the focus and has no hover look of its own. Its mouse notifications carry its element
// number and the position in twips from its top-left corner; every mouse button counts, and
// the release arrives wherever the pointer is by then. A picture is read and drawn only when
// it is first shown, once for each size, and the drawing is shared by every button that
// shows it: a repaint copies pixels, and a picture never shown is never read.
class PictureButton : public QWidget, public TwipsGeometry {
    Q_OBJECT

public:
    PictureButton(int element, const TwipsScale& scale, QWidget* parent = nullptr);
    ~PictureButton() override;

    int element() const { return element_; }

    // A resource (":/...") or file path of an SVG picture; an empty or unreadable one shows
    // nothing.
    void setPicture(const QString& resourcePath);
    QString picture() const { return picture_; }

    // A left press and release at the centre, as assistive technology presses a button.
    void click();

signals:
    void pressed(int element, Qt::MouseButton button, QPointF twips);
    void moved(int element, Qt::MouseButtons buttons, QPointF twips);
    void released(int element, Qt::MouseButton button, QPointF twips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The picture drawn at the button's present size for a device of `ratio` device pixels to
    // a logical one; null when there is nothing to show.
    QPixmap drawnPicture(qreal ratio);

    int element_;
    QString picture_;
    bool unreadable_ = false; // the picture was tried and could not be read
};
