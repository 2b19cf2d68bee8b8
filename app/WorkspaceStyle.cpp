#include "WorkspaceStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace {

// Stands for a standard picture of the base style until something needs its pixels or
// sizes; then asks the style for it once.
class DeferredStandardIcon : public QIconEngine {
public:
    DeferredStandardIcon(const QStyle& style, QStyle::StandardPixmap picture)
        : style_(const_cast<QStyle*>(&style)), picture_(picture) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("DeferredStandardIcon"); }
    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }

private:
    DeferredStandardIcon(const DeferredStandardIcon&) = default;

    const QIcon& icon() {
        if (!resolved_) {
            resolved_ = true;
            // The style may have been replaced since; then there is nothing to show.
            if (!style_.isNull())
                icon_ = style_->standardIcon(picture_);
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap picture_;
    QIcon icon_;
    bool resolved_ = false;
};

// The pictures read only when first drawn.
bool readsWhenDrawn(QStyle::StandardPixmap picture) {
    switch (picture) {
    case QStyle::SP_TitleBarMinButton:
    case QStyle::SP_TitleBarMaxButton:
    case QStyle::SP_TitleBarNormalButton:
    case QStyle::SP_TitleBarCloseButton:
    case QStyle::SP_ToolBarHorizontalExtensionButton:
    case QStyle::SP_ToolBarVerticalExtensionButton:
        return true;
    default:
        return false;
    }
}

} // namespace

QIcon WorkspaceStyle::standardIcon(StandardPixmap picture, const QStyleOption* option,
                                   const QWidget* widget) const {
    if (option == nullptr && readsWhenDrawn(picture) && baseStyle() != nullptr)
        return QIcon(new DeferredStandardIcon(*baseStyle(), picture));
    return QProxyStyle::standardIcon(picture, option, widget);
}
