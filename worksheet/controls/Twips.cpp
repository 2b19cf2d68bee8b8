#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {
constexpr double fallbackDpi = 96.0;
}

TwipsScale::TwipsScale(double logicalDpi) : dpi_(logicalDpi > 0.0 ? logicalDpi : fallbackDpi) {}

TwipsScale TwipsScale::forScreen(const QScreen* screen) {
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    return TwipsScale(screen != nullptr ? screen->logicalDotsPerInch() : fallbackDpi);
}

int TwipsScale::toPixels(double twips) const {
    return static_cast<int>(std::lround(twips * dpi_ / twipsPerInch));
}

QPointF TwipsScale::toPixelsF(QPointF twips) const {
    return twips * (dpi_ / twipsPerInch);
}

QRect TwipsScale::toPixels(const TwipsRect& twips) const {
    const int left = toPixels(twips.left);
    const int top = toPixels(twips.top);
    const int right = toPixels(twips.left + twips.width);
    const int bottom = toPixels(twips.top + twips.height);
    return QRect(left, top, right - left, bottom - top);
}

double TwipsScale::toTwips(double pixels) const {
    return pixels * twipsPerInch / dpi_;
}

QPointF TwipsScale::toTwips(QPointF pixels) const {
    return pixels * (twipsPerInch / dpi_);
}

TwipsRect TwipsScale::toTwips(const QRect& pixels) const {
    return {toTwips(pixels.x()), toTwips(pixels.y()), toTwips(pixels.width()),
            toTwips(pixels.height())};
}

void placeTwips(QWidget& widget, const TwipsRect& twips, const TwipsScale& scale) {
    widget.setGeometry(scale.toPixels(twips));
}

QSizeF primaryScreenSizeTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    const TwipsScale scale = TwipsScale::forScreen(screen);
    return {scale.toTwips(screen->size().width()), scale.toTwips(screen->size().height())};
}
