#include "OffscreenScreen.h"

#include <QByteArray>

#include <cmath>

namespace {
// The offscreen platform's own logical DPI: 15 twips a pixel.
constexpr double twipsPerPixel = 1440.0 / 96.0;
} // namespace

void OffscreenScreen::configure(QSizeF screenTwips) {
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen" || screenTwips.isEmpty())
        return;
    const int width = static_cast<int>(std::ceil(screenTwips.width() / twipsPerPixel));
    const int height = static_cast<int>(std::ceil(screenTwips.height() / twipsPerPixel));
    if (!config_.open())
        return;
    config_.write(QStringLiteral("{\"screens\": [{\"name\": \"scenario\", \"x\": 0, \"y\": 0, "
                                 "\"width\": %1, \"height\": %2, \"logicalDpi\": 96}]}")
                      .arg(width)
                      .arg(height)
                      .toUtf8());
    config_.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config_.fileName().toLocal8Bit());
}
