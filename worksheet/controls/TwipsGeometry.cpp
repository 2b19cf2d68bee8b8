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

void TwipsGeometry::setLeftTwips(double left) {
    setPart(&TwipsRect::left, left);
}

void TwipsGeometry::setTopTwips(double top) {
    setPart(&TwipsRect::top, top);
}

void TwipsGeometry::setWidthTwips(double width) {
    setPart(&TwipsRect::width, width);
}

void TwipsGeometry::setHeightTwips(double height) {
    setPart(&TwipsRect::height, height);
}

// Changes one figure and keeps the other three as they are now.
void TwipsGeometry::setPart(double TwipsRect::*part, double value) {
    TwipsRect twips = geometryTwips();
    twips.*part = value;
    setGeometryTwips(twips);
}
