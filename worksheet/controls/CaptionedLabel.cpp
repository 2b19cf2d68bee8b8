#include "CaptionedLabel.h"

#include <QAccessible>

CaptionedLabel::CaptionedLabel(QWidget* parent) : QLabel(parent) {}

// The widget's own accessible name stays empty on purpose: only then does QLabel::setText
// tell assistive technology that the name changed.
void CaptionedLabel::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

QString CaptionedLabel::spokenName() const {
    QString reading = text().trimmed();
    if (reading.isEmpty())
        return caption_;
    if (caption_.isEmpty())
        return reading;
    return caption_ + QStringLiteral(": ") + reading;
}
