#include "TwipsGeometry.h"

#include <QWidget>

TwipsGeometry::TwipsGeometry(QWidget& widget, const TwipsScale& scale)
    : widget_(widget), scale_(scale), twips_(scale.toTwips(widget.geometry())) {}

TwipsRect TwipsGeometry::geometryTwips() const {
    if (scale_.toPixels(twips_) != widget_.geometry())
        return scale_.toTwips(widget_.geometry());
    return twips_;
}

void TwipsGeometry::setGeometryTwips(const TwipsRect& twips) {
    twips_ = twips;
    placeTwips(widget_, twips, scale_);
}

// Keeps the other three figures as they are now.
void TwipsGeometry::setLeftTwips(double left) {
    TwipsRect twips = geometryTwips();
    twips.left = left;
    setGeometryTwips(twips);
}
