#include "AccessibleControls.h"

#include "CaptionedLabel.h"
#include "DrawingStrip.h"
#include "EditorAccessible.h"
#include "EditorControl.h"
#include "HoverSurface.h"
#include "PadControl.h"
#include "PictureButton.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

class PictureButtonAccessible : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(PictureButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction())
            static_cast<PictureButton*>(widget())->click();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

// A graphic named by the point the cross-hair shows: a screen reader speaks a name that
// changes on the focused object, and Qt's bridge offers no value of a graphic.
class PadAccessible : public QAccessibleWidget {
public:
    explicit PadAccessible(PadControl* pad) : QAccessibleWidget(pad, QAccessible::Graphic) {}

    QString text(QAccessible::Text kind) const override {
        QString point = static_cast<const PadControl*>(widget())->pointName();
        if (!point.isEmpty() && (kind == QAccessible::Name || kind == QAccessible::Value))
            return point;
        return QAccessibleWidget::text(kind);
    }
};

class CaptionedLabelAccessible : public QAccessibleWidget {
public:
    explicit CaptionedLabelAccessible(CaptionedLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<const CaptionedLabel*>(widget())->spokenName();
        return QAccessibleWidget::text(kind);
    }
};

class SurfaceAccessible : public QAccessibleWidget {
public:
    explicit SurfaceAccessible(HoverSurface* surface)
        : QAccessibleWidget(surface, QAccessible::Client) {}

    int childCount() const override { return static_cast<int>(controls().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = controls();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr || !child->object() || !child->object()->isWidgetType())
            return -1;
        return static_cast<int>(controls().indexOf(static_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> controls() const {
        QList<QWidget*> found;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child == nullptr || child->isWindow())
                continue;
            if (qobject_cast<PictureButton*>(child) != nullptr && child->isHidden())
                continue;
            if (const auto* label = qobject_cast<QLabel*>(child);
                label != nullptr && label->text().trimmed().isEmpty() && label->pixmap().isNull())
                continue;
            found.append(child);
        }
        return found;
    }
};

QAccessibleInterface* controlInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("PictureButton"))
        return new PictureButtonAccessible(static_cast<PictureButton*>(object));
    if (className == QLatin1String("PadControl"))
        return new PadAccessible(static_cast<PadControl*>(object));
    if (className == QLatin1String("EditorControl"))
        return editorAccessible(static_cast<EditorControl*>(object));
    if (className == QLatin1String("DrawingStrip"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    if (className == QLatin1String("CaptionedLabel"))
        return new CaptionedLabelAccessible(static_cast<CaptionedLabel*>(object));
    if (className == QLatin1String("HoverSurface"))
        return new SurfaceAccessible(static_cast<HoverSurface*>(object));
    return nullptr;
}

} // namespace

void installAccessibleControls() {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(controlInterface);
        return true;
    }();
}
