#pragma once

#include "TwipsGeometry.h"

#include <QLabel>

// A label that reports the pointer moving over it (the worksheet's tooltip box empties
// itself that way).
class HoverLabel : public QLabel, public TwipsGeometry {
    Q_OBJECT

public:
    explicit HoverLabel(const TwipsScale& scale, QWidget* parent = nullptr);

signals:
    void hovered();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};
