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

    double leftTwips() const { return geometryTwips().left; }
    double topTwips() const { return geometryTwips().top; }
    double widthTwips() const { return geometryTwips().width; }
    double heightTwips() const { return geometryTwips().height; }
    void setLeftTwips(double left);
    void setTopTwips(double top);
    void setWidthTwips(double width);
    void setHeightTwips(double height);

    TwipsGeometry(const TwipsGeometry&) = delete;
    TwipsGeometry& operator=(const TwipsGeometry&) = delete;

protected:
    TwipsGeometry(QWidget& widget, const TwipsScale& scale);
    ~TwipsGeometry() = default;

private:
    void setPart(double TwipsRect::*part, double value);

    QWidget& widget_;
    TwipsScale scale_;
    TwipsRect twips_;
};
