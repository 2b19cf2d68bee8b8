#pragma once

#include "TwipsGeometry.h"

#include <QWidget>

// A surface that reports the pointer moving over its bare area. Moves over a visible child
// do not count, even when the child passes them on unhandled.
class HoverSurface : public QWidget, public TwipsGeometry {
    Q_OBJECT

public:
    explicit HoverSurface(const TwipsScale& scale, QWidget* parent = nullptr);

signals:
    void hovered();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};
