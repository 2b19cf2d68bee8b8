// What the mouse must never do on the worksheet: open a context menu, or take the keyboard
// from the invisible editor.

#include "WorksheetFixture.h"

#include "EditorControl.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QTimer>

#include <string>

namespace {

using WorksheetPointer = WorksheetFixture;

// The widget's class and the nearest control of ours that holds it (Qt's inner widgets have
// no names of our own).
std::string describe(const QWidget& widget) {
    const QWidget* owner = &widget;
    while (owner->parentWidget() != nullptr &&
           (owner->objectName().isEmpty() || owner->objectName().startsWith(QLatin1String("qt_"))))
        owner = owner->parentWidget();
    return QStringLiteral("%1 of %2")
        .arg(QLatin1String(widget.metaObject()->className()), owner->objectName())
        .toStdString();
}

// Sends a context-menu request to `widget` and names the popup it opened, if any. A menu
// that runs its own loop is caught inside that loop and closed, so the test cannot hang.
std::string popupOpenedBy(QWidget& widget, QContextMenuEvent::Reason reason) {
    std::string opened;
    auto catchPopup = [&opened] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            opened = popup->metaObject()->className();
            popup->close();
        }
    };
    QTimer::singleShot(0, &widget, catchPopup);
    const QPoint middle = widget.rect().center();
    QContextMenuEvent request(reason, middle, widget.mapToGlobal(middle));
    QApplication::sendEvent(&widget, &request);
    QCoreApplication::processEvents();
    catchPopup();
    return opened;
}

// State: the started worksheet. Action: a context-menu request, by the mouse and by the
// keyboard, to the window and to every widget in it (scroll bars, viewports, headers and
// hidden ones included). Expected: no popup opens.
TEST_F(WorksheetPointer, NoWidgetOpensAContextMenu) {
    QList<QWidget*> widgets = form().findChildren<QWidget*>();
    widgets.prepend(&form());
    for (QWidget* widget : widgets) {
        for (const auto reason : {QContextMenuEvent::Mouse, QContextMenuEvent::Keyboard}) {
            EXPECT_EQ(popupOpenedBy(*widget, reason), "")
                << describe(*widget)
                << (reason == QContextMenuEvent::Mouse ? ", mouse" : ", keyboard");
        }
    }
}

} // namespace
