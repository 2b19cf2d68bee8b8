#include "ControlNames.h"

#include <QApplication>
#include <QWidget>

namespace ControlNames {

QWidget* openWindow(const char* objectName) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(objectName) && window->isVisible())
            return window;
    }
    return nullptr;
}

namespace {

// The worksheet is a child of the frame; dialogs are windows of their own.
QString formName(const QWidget* widget) {
    for (const QWidget* form = widget; form != nullptr; form = form->parentWidget()) {
        if (form->objectName() == QLatin1String("Valkubeform") || form->isWindow())
            return form->objectName();
    }
    return QString();
}

} // namespace

QString focusName(const QWidget* widget) {
    if (widget == nullptr)
        return QString();
    QString name = widget->objectName();
    const QString window = formName(widget);
    if (window == QLatin1String("Valkubeform")) {
        if (name == QLatin1String("Entry0"))
            return QStringLiteral("Entry");
        for (const char* known :
             {"Thegrid", "Detailgrid", "Yieldlist", "Picture1", "Picture2", "Picture3"}) {
            if (name == QLatin1String(known))
                return name;
        }
    } else if (window == QLatin1String(conversionsDialog)) {
        for (const char* known : {"Conversionbox0", "Conversionbox1", "Thebutton0", "Thebutton1"}) {
            if (name == QLatin1String(known))
                return name;
        }
    } else if (window == QLatin1String(noticeDialog) && name == QLatin1String("Noticeclose")) {
        return name;
    }
    return QString();
}

} // namespace ControlNames
