#pragma once

#include <QPointF>
#include <QRect>
#include <QSizeF>

class QScreen;
class QWidget;

// A rectangle in twips (1/1440 inch): left and top edge, width and height.
struct TwipsRect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;

    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// The one conversion between twips and pixels: 1440 twips make one inch at the screen's
// logical DPI. Every control takes a copy, so all of them round the same way.
class TwipsScale {
public:
    static constexpr double twipsPerInch = 1440.0;

    explicit TwipsScale(double logicalDpi);

    // The scale of `screen`, or of the primary screen when `screen` is nullptr (96 DPI when
    // there is no screen at all).
    static TwipsScale forScreen(const QScreen* screen);

    double logicalDpi() const { return dpi_; }

    // Rounded to the nearest pixel.
    int toPixels(double twips) const;
    QPointF toPixelsF(QPointF twips) const;

    // Rounds the four edges, not the width and height, so that controls which touch in twips
    // also touch in pixels (the command buttons stand edge to edge).
    QRect toPixels(const TwipsRect& twips) const;

    double toTwips(double pixels) const;
    QPointF toTwips(QPointF pixels) const;
    TwipsRect toTwips(const QRect& pixels) const;

private:
    double dpi_;
};

// The primary screen's size in twips at its own scale; empty when there is no screen.
QSizeF primaryScreenSizeTwips();

// Places `widget` at `twips`, measured in its parent's coordinates.
void placeTwips(QWidget& widget, const TwipsRect& twips, const TwipsScale& scale);
