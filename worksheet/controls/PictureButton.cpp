#include "PictureButton.h"

#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// One parsed picture per path for as long as some button shows it. The cache holds only
// weak references, so it owns nothing once the buttons are gone.
std::shared_ptr<QSvgRenderer> sharedRenderer(const QString& path) {
    static QHash<QString, std::weak_ptr<QSvgRenderer>> renderers;
    std::weak_ptr<QSvgRenderer>& slot = renderers[path];
    if (std::shared_ptr<QSvgRenderer> renderer = slot.lock())
        return renderer;
    auto renderer = std::make_shared<QSvgRenderer>(path);
    slot = renderer;
    return renderer;
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
    renderer_ = resourcePath.isEmpty() ? nullptr : sharedRenderer(resourcePath);
    update();
}

void PictureButton::click() {
    const QPointF centre = twipsScale().toTwips(QRectF(rect()).center());
    emit pressed(element_, Qt::LeftButton, centre);
    emit released(element_, Qt::LeftButton, centre);
}

void PictureButton::paintEvent(QPaintEvent*) {
    if (renderer_ == nullptr || !renderer_->isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer_->render(&painter, QRectF(rect()));
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
