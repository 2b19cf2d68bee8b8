#pragma once

#include <QObject>

// Qt 6.4 rounds the pointer's position to whole pixels on its way from the top-level window
// to the widget under it (QWidgetWindow maps the position and the global position as
// QPoint); only the position in the window, scenePosition(), keeps the fraction. This filter
// restores it: a spontaneous mouse event whose position is the rounded one reaches its
// widget as the same event at the exact position. Which widget receives it is still Qt's own
// choice (the widget under the pointer, the implicit grab).
class ExactPointerPositions : public QObject {
public:
    // Watches every event of the application.
    ExactPointerPositions();
    ~ExactPointerPositions() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
