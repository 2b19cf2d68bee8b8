#pragma once

#include <QLabel>

// A label that shows a reading (a value, a comment) which means nothing on its own. Assistive
// technology names it by its caption followed by the reading ("Theoretic Stock Value: 25.3"),
// or by the caption alone while it is empty; the name follows every setText().
class CaptionedLabel : public QLabel {
    Q_OBJECT

public:
    explicit CaptionedLabel(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    // The name assistive technology reads.
    QString spokenName() const;

private:
    QString caption_;
};
