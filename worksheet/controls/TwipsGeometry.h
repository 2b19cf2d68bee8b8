#pragma once

#include "Twips.h"

class QWidget;

// The part every worksheet control shares: its copy of the twips scale and its place in
// twips. The place is kept in twips so that reading it back (the worksheet lines up its
// command buttons by left edge plus width) gives the designed figures, not rounded pixels.
// If someone moves the widget in pixels behind our back, the pixel geometry wins.
class TwipsGeometry {
public:
    const TwipsScale& twipsScale() const { return scale_; }

    TwipsRect geometryTwips() const;
    void setGeometryTwips(const TwipsRect& twips);

    void setLeftTwips(double left);

    TwipsGeometry(const TwipsGeometry&) = delete;
    TwipsGeometry& operator=(const TwipsGeometry&) = delete;

protected:
    TwipsGeometry(QWidget& widget, const TwipsScale& scale);
    ~TwipsGeometry() = default;

private:

    QWidget& widget_;
    TwipsScale scale_;
    TwipsRect twips_;
};
