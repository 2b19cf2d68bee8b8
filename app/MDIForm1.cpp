#include "MDIForm1.h"

#include "ProgramIcon.h"
#include "worksheet/Valkubeform.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// The worksheet's sub-window as assistive technology sees it: a window named by its title
// that reports the focus only when it has the keyboard itself. Qt's own would report it
// whenever a control inside has it, beside that control.
class SubWindowAccessible : public QAccessibleWidget {
public:
    explicit SubWindowAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return widget()->windowTitle();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* subWindowInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("QMdiSubWindow"))
        return new SubWindowAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent) {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(subWindowInterface);
        return true;
    }();
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Valmora"));
    setWindowIcon(programIcon());

    // The workspace keeps Qt's application-workspace brush. A worksheet that does not fit a
    // small screen can be scrolled into view instead of being cut off for good.
    workspace_ = new QMdiArea(this);
    workspace_->setObjectName(QStringLiteral("workspace"));
    workspace_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    workspace_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    workspace_->setContextMenuPolicy(Qt::NoContextMenu);
    setCentralWidget(workspace_);
}

void MDIForm1::holdWorksheet(Valkubeform& worksheet) {
    worksheet_ = &worksheet;
    // A fixed layout: the worksheet can be moved, resized and closed, but maximising it
    // would only bare the empty area to the right of its controls, and minimising the one
    // child leaves nothing to work with.
    worksheetWindow_ = workspace_->addSubWindow(&worksheet, Qt::SubWindow | Qt::WindowTitleHint |
                                                                Qt::WindowSystemMenuHint |
                                                                Qt::WindowCloseButtonHint);
    worksheetWindow_->setObjectName(QStringLiteral("ValkubeformWindow"));
    // One icon object for the three: each picture size is drawn once and then shared.
    worksheet.setWindowIcon(windowIcon());
    worksheetWindow_->setWindowIcon(windowIcon());
    // A click inside the worksheet must not pass the keyboard through the sub-window: the
    // round trip would take the editor's selection with it.
    worksheetWindow_->setFocusPolicy(Qt::NoFocus);
    // No window menu on the title bar either: the worksheet has no popup menus, and this one
    // would only offer to minimise or maximise what is meant to stay as it is.
    worksheetWindow_->setSystemMenu(nullptr);
    connect(workspace_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (window != nullptr && window == worksheetWindow_)
            raiseWorksheetActivation();
    });
}

// The frame coming back to the front (after a modal dialog, or from another program) makes
// its active child the active window again.
bool MDIForm1::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate && worksheetWindow_ != nullptr &&
        workspace_->activeSubWindow() == worksheetWindow_)
        raiseWorksheetActivation();
    return handled;
}

// Queued: the activation processes pending events, which must not run in the middle of the
// show or focus change that activated the window.
void MDIForm1::raiseWorksheetActivation() {
    if (worksheet_ == nullptr)
        return;
    QMetaObject::invokeMethod(
        worksheet_, [worksheet = worksheet_] { emit worksheet->activated(); },
        Qt::QueuedConnection);
}

void MDIForm1::closeEvent(QCloseEvent* event) {
    // The worksheet's own closing ends the program; the frame only passes the request on.
    workspace_->closeAllSubWindows();
    event->accept();
}
