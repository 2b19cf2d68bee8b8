#include "HelpViewer.h"

#include "HelpBrowser.h"
#include "HelpFileCheck.h"
#include "HelpFindBar.h"
#include "HelpPlacement.h"
#include "worksheet/PlatformServices.h"
#include "worksheet/controls/Twips.h"

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr double windowWidthTwips = 8640;
constexpr double windowHeightTwips = 9360;

// How much a window's frame adds round its contents; none before the window manager has
// framed it.
QMargins decoration(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

} // namespace

HelpViewer::HelpViewer(PlatformServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services), page_(new HelpBrowser),
      findBar_(new HelpFindBar(*page_)) {
    setObjectName(QStringLiteral("Helpviewer"));
    setWindowTitle(QStringLiteral("Valmora Help"));
    // Closing the help never ends the program; the window only hides until asked again.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(page_, 1);
    layout->addWidget(findBar_);
    setCentralWidget(central);
    createActions();
    // The status line says why a link was not followed.
    statusBar()->setObjectName(QStringLiteral("Helpstatus"));

    const TwipsScale scale = TwipsScale::forScreen(screen());
    resize(scale.toPixels(windowWidthTwips), scale.toPixels(windowHeightTwips));
    connect(page_, &HelpBrowser::anchorClicked, this, &HelpViewer::followLink);
}

bool HelpViewer::showContents(const QString& helpFile) {
    const HelpFileReading reading = readHelpFile(helpFile);
    if (!reading.readable()) {
        services_.showMessage(
            {QStringLiteral("The help file %1 cannot be shown: %2.").arg(helpFile, reading.problem),
             QString(), MessageButtons::Ok, MessageIcon::Information});
        return false;
    }
    page_->showDocument(QUrl::fromLocalFile(helpFile), reading.text);
    statusBar()->clearMessage();
    // A window already open stays where the user has it.
    if (!isVisible())
        placeBesideFrame();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    page_->setFocus(Qt::OtherFocusReason);
    return true;
}

void HelpViewer::placeBesideFrame() {
    // The frame is the window help is asked from: the parent's, else the active one.
    QWidget* frame = parentWidget() ? parentWidget()->window() : QApplication::activeWindow();
    if (frame == this)
        frame = nullptr;
    const QScreen* screen = frame ? frame->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // Before its first showing this window's own frame is unknown; the program's frame,
    // framed by the same window manager, tells how much it will add.
    QMargins margins = decoration(*this);
    if (margins.isNull() && frame)
        margins = decoration(*frame);
    const QRect outer = helpWindowPlace(frame ? frame->frameGeometry() : available,
                                        size().grownBy(margins), available);
    resize(outer.size().shrunkBy(margins));
    // A window's position is that of its frame.
    move(outer.topLeft());
}

void HelpViewer::createActions() {
    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setObjectName(QStringLiteral("Helpnavigation"));
    bar->setMovable(false);
    bar->setFloatable(false);
    // The button that shows the actions a narrow window has no room for.
    if (auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("More"));
    auto addAction = [&](const QString& text, const QString& name, const QKeySequence& keys) {
        QAction* action = bar->addAction(text);
        action->setObjectName(name);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(QString(text).remove(u'&'),
                                                         keys.toString(QKeySequence::NativeText)));
        return action;
    };
    QAction* contents = addAction(QStringLiteral("&Contents"), "Helpcontents",
                                  QKeySequence(Qt::ALT | Qt::Key_Home));
    QAction* back = addAction(QStringLiteral("&Back"), "Helpback", QKeySequence::Back);
    QAction* forward = addAction(QStringLiteral("&Forward"), "Helpforward", QKeySequence::Forward);
    bar->addSeparator();
    QAction* find = addAction(QStringLiteral("&Find"), "Helpfind", QKeySequence::Find);

    // F3 and Shift+F3 step through the matches from anywhere in the window.
    auto* next = new QAction(this);
    next->setShortcuts(QKeySequence::FindNext);
    auto* previous = new QAction(this);
    previous->setShortcuts(QKeySequence::FindPrevious);
    QMainWindow::addAction(next);
    QMainWindow::addAction(previous);

    // Escape and Ctrl+W close the window as they close other help windows. The find box
    // keeps Escape for itself while it has the focus (see HelpFindBar), so Escape there
    // closes only the find bar and a second Escape the window.
    auto* closeWindow = new QAction(this);
    closeWindow->setObjectName(QStringLiteral("Helpclose"));
    closeWindow->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    QMainWindow::addAction(closeWindow);
    connect(closeWindow, &QAction::triggered, this, &QWidget::close);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(page_, &HelpBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(page_, &HelpBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(contents, &QAction::triggered, this, &HelpViewer::goToContents);
    connect(back, &QAction::triggered, page_, &HelpBrowser::backward);
    connect(forward, &QAction::triggered, page_, &HelpBrowser::forward);
    connect(find, &QAction::triggered, findBar_, &HelpFindBar::open);
    connect(next, &QAction::triggered, findBar_, &HelpFindBar::findNext);
    connect(previous, &QAction::triggered, findBar_, &HelpFindBar::findPrevious);
}

void HelpViewer::followLink(const QUrl& target) {
    const bool insideGuide = target.adjusted(QUrl::RemoveFragment) == page_->documentUrl();
    if (!insideGuide) {
        statusBar()->showMessage(
            QStringLiteral("Links that lead outside this guide are not followed: %1")
                .arg(target.toDisplayString()));
        return;
    }
    if (target.hasFragment() && !page_->hasAnchor(target.fragment())) {
        statusBar()->showMessage(QStringLiteral("This link leads to no place in the guide."));
        return;
    }
    statusBar()->clearMessage();
    page_->goTo(target);
}

// The contents list opens the guide, so its top is the contents.
void HelpViewer::goToContents() {
    statusBar()->clearMessage();
    page_->goTo(page_->documentUrl());
}
