#pragma once

#include "TwipsGeometry.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <vector>

// A borderless picture box whose drawing persists: every line and text is recorded in twips
// and replayed on each paint, so covering, uncovering and resizing neither lose nor change
// it. Drawing follows the old platform's drawing position (currentX, currentY, in twips):
// a line leaves it at the line's end, a written text at x 0 of the next text line. Whatever
// falls outside the widget is clipped.
class DrawingStrip : public QWidget, public TwipsGeometry {
    Q_OBJECT

public:
    struct LineRecord {
        QPointF from;
        QPointF to;
        QColor colour;
    };
    // Text keeps the font and colour it was written with.
    struct TextRecord {
        QPointF topLeft;
        QString text;
        QFont font;
        QColor colour;
    };

    explicit DrawingStrip(const TwipsScale& scale, QWidget* parent = nullptr);

    double currentX() const { return current_.x(); }
    double currentY() const { return current_.y(); }
    void setCurrentX(double twips) { current_.setX(twips); }
    void setCurrentY(double twips) { current_.setY(twips); }

    // From the absolute point `from` to `from + relativeEnd`; the drawing position becomes
    // the end point.
    void drawLine(QPointF from, QPointF relativeEnd, const QColor& colour);

    // Writes " n " (the sign's place, the digits, a blank; "-n " when negative) at the
    // drawing position, in the strip's font and text colour.
    void writeNumber(int number);
    // Writes `text` as one line with its top-left corner at the drawing position, then moves
    // the drawing position to x 0 of the next line.
    void writeText(const QString& text);

    // The height of one text line in the strip's font, in twips.
    double lineHeightTwips() const;

    const std::vector<LineRecord>& lines() const { return lines_; }
    const std::vector<TextRecord>& texts() const { return texts_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Step {
        bool isLine;
        std::size_t index;
    };

    void paintLine(QPainter& painter, const LineRecord& line) const;
    void paintText(QPainter& painter, const TextRecord& text) const;

    QPointF current_;
    std::vector<LineRecord> lines_;
    std::vector<TextRecord> texts_;
    std::vector<Step> steps_;
};
