#include "DrawingStrip.h"

#include "FocusMark.h"

#include <QFontMetrics>
#include <QPainter>

DrawingStrip::DrawingStrip(const TwipsScale& scale, QWidget* parent)
    : QWidget(parent), TwipsGeometry(*this, scale) {
    setAutoFillBackground(true);
}

void DrawingStrip::drawLine(QPointF from, QPointF relativeEnd, const QColor& colour) {
    const QPointF to = from + relativeEnd;
    lines_.push_back({from, to, colour});
    steps_.push_back({true, lines_.size() - 1});
    current_ = to;
    update();
}

void DrawingStrip::writeNumber(int number) {
    const QString digits = QString::number(number);
    writeText(number < 0 ? digits + QLatin1Char(' ')
                         : QLatin1Char(' ') + digits + QLatin1Char(' '));
}

void DrawingStrip::writeText(const QString& text) {
    texts_.push_back({current_, text, font(), palette().color(QPalette::WindowText)});
    steps_.push_back({false, texts_.size() - 1});
    current_ = QPointF(0.0, current_.y() + lineHeightTwips());
    update();
}

double DrawingStrip::lineHeightTwips() const {
    return twipsScale().toTwips(fontMetrics().height());
}

void DrawingStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const Step& step : steps_) {
        if (step.isLine)
            paintLine(painter, lines_[step.index]);
        else
            paintText(painter, texts_[step.index]);
    }
    if (hasFocus())
        drawFocusMark(painter, rect());
}

// One logical pixel wide, so that the drawing scales with the rest of the worksheet on a
// high-DPI screen. The pen runs through the pixel centres: the line covers whole device
// pixels at any whole device pixel ratio, ends included, as a one-pixel line does at 1.
void DrawingStrip::paintLine(QPainter& painter, const LineRecord& line) const {
    const TwipsScale& scale = twipsScale();
    const QPoint from(scale.toPixels(line.from.x()), scale.toPixels(line.from.y()));
    const QPoint to(scale.toPixels(line.to.x()), scale.toPixels(line.to.y()));
    if (from == to) {
        painter.fillRect(QRect(from, QSize(1, 1)), line.colour);
        return;
    }
    const QPointF pixelCentre(0.5, 0.5);
    painter.setPen(QPen(line.colour, 1.0, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(QPointF(from) + pixelCentre, QPointF(to) + pixelCentre);
}

void DrawingStrip::paintText(QPainter& painter, const TextRecord& text) const {
    const TwipsScale& scale = twipsScale();
    const QFontMetrics metrics(text.font, painter.device());
    painter.setFont(text.font);
    painter.setPen(text.colour);
    painter.drawText(QPoint(scale.toPixels(text.topLeft.x()),
                            scale.toPixels(text.topLeft.y()) + metrics.ascent()),
                     text.text);
}
