// What the mouse must never do on the worksheet: open a context menu, or take the keyboard
// from the invisible editor.

#include "tests/support/WorksheetFixture.h"

#include "worksheet/CommandButtons.h"
#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/controls/HoverSurface.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QTimer>

#include <set>
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

// Clicks with each mouse button at points spread over `area` (in the surface's pixels), as
// the window system delivers them; names each widget that took the keyboard from the editor.
std::set<std::string> clickAllOver(Valkubeform& form, const QRect& area) {
    const int step = form.controls().surface.twipsScale().toPixels(240);
    std::set<std::string> takers;
    for (int y = area.top() + step / 2; y < area.bottom(); y += step) {
        for (int x = area.left() + step / 2; x < area.right(); x += step) {
            for (const auto button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
                QTest::mouseClick(form.window()->windowHandle(), button, {},
                                  form.controls().surface.mapTo(form.window(), QPoint(x, y)));
                QCoreApplication::processEvents();
                if (QApplication::focusWidget() != &form.controls().Entry) {
                    takers.insert(describe(*QApplication::focusWidget()));
                    form.controls().Entry.setFocus();
                }
            }
        }
    }
    return takers;
}

// State: the editor has the keyboard. Action: clicks on every control, label and bare place
// of the worksheet; then on the detail table, once it shows. Expected: after every click the
// editor still has the keyboard.
TEST_F(WorksheetPointer, NoClickTakesTheKeyboardFromTheEditor) {
    EXPECT_EQ(clickAllOver(form(), form().controls().surface.rect()), std::set<std::string>());

    const char* const parameters[] = {"2", "1", "5", "10", "4"};
    for (int row = 1; row <= 5; ++row)
        form().controls().Thegrid.setCellText(row, 1, QLatin1String(parameters[row - 1]));
    form().controls().Thebutton(CommandButtons::Detail).click();
    ASSERT_TRUE(form().controls().Detailgrid.isVisible());
    EXPECT_EQ(clickAllOver(form(), form().controls().Detailgrid.geometry()), std::set<std::string>());
}

// State: the editor has the keyboard. Action: Tab, again and again. Expected: the keyboard
// still walks the controls in their order (the hidden detail table passed over) and comes
// back to the editor.
TEST_F(WorksheetPointer, TabStillReachesEveryControl) {
    QStringList visited;
    for (int press = 0; press < 6; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited,
              QStringList({"Thegrid", "Picture3", "Picture1", "Picture2", "Yieldlist", "Entry0"}));
}

} // namespace
