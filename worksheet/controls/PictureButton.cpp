#include "PictureButton.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace {

// Drawings live in Qt's pixmap cache under the picture and its size in device pixels.
QString cacheKey(const QString& picture, QSize pixels) {
    return QStringLiteral("valmora-picture:%1:%2x%3")
        .arg(picture)
        .arg(pixels.width())
        .arg(pixels.height());
}

} // namespace

PictureButton::PictureButton(int element, const TwipsScale& scale, QWidget* parent)
    : QWidget(parent), TwipsGeometry(*this, scale), element_(element) {
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

PictureButton::~PictureButton() = default;

void PictureButton::setPicture(const QString& resourcePath) {
    if (resourcePath == picture_)
        return;
    picture_ = resourcePath;
    unreadable_ = false;
    update();
}

void PictureButton::click() {
    const QPointF centre = twipsScale().toTwips(QRectF(rect()).center());
    emit pressed(element_, Qt::LeftButton, centre);
    emit released(element_, Qt::LeftButton, centre);
}

// Drawn for the device actually painted on (a screen, or an image of another resolution
// when the worksheet is grabbed), so that the picture is sharp at every pixel ratio.
void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPaintDevice* target = painter.paintEngine()->paintDevice();
    const QPixmap picture =
        drawnPicture(target != nullptr ? target->devicePixelRatioF() : devicePixelRatioF());
    if (!picture.isNull())
        painter.drawPixmap(QPoint(0, 0), picture);
}

QPixmap PictureButton::drawnPicture(qreal ratio) {
    if (picture_.isEmpty() || unreadable_ || width() <= 0 || height() <= 0)
        return {};
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    const QString key = cacheKey(picture_, pixels);
    QPixmap drawing;
    if (QPixmapCache::find(key, &drawing))
        return drawing;

    QSvgRenderer renderer(picture_);
    if (!renderer.isValid()) {
        unreadable_ = true;
        return {};
    }
    drawing = QPixmap(pixels);
    drawing.setDevicePixelRatio(ratio);
    drawing.fill(Qt::transparent);
    QPainter painter(&drawing);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size())));
    painter.end();
    QPixmapCache::insert(key, drawing);
    return drawing;
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(element_, event->button(), twipsScale().toTwips(event->position()));
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit moved(element_, event->buttons(), twipsScale().toTwips(event->position()));
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    emit released(element_, event->button(), twipsScale().toTwips(event->position()));
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}
