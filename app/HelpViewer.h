#pragma once

#include <QMainWindow>

class HelpBrowser;
class HelpFindBar;
class PlatformServices;
class QUrl;

// The program's help window: the guide with its contents at the top, links between its
// topics, back and forward, and a find bar (Ctrl+F). One window serves every request: asking
// again brings it to the front at the contents. It opens beside the window it is asked from
// (or centred on it), whole on that window's screen. Escape and Ctrl+W close it; while the
// find box has the typing focus, Escape closes the find bar instead. A file that cannot be shown is reported in a
// message box that names it, and the window stays as it was.
//
// Links lead only to places inside the guide. Links to anything else (web pages, other
// files, places the guide does not have) are not followed; the status line says so.
class HelpViewer : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpViewer(PlatformServices& services, QWidget* parent = nullptr);

    // Shows the help file at its contents; false (after the message) when it cannot be shown.
    bool showContents(const QString& helpFile);

    HelpBrowser& page() const { return *page_; }
    HelpFindBar& findBar() const { return *findBar_; }

    // None: the toolbar holds the only way to the contents, back, forward and find, so no
    // menu offers to hide it.
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void createActions();
    void placeBesideFrame();
    void followLink(const QUrl& target);
    void goToContents();

    PlatformServices& services_;
    HelpBrowser* page_;
    HelpFindBar* findBar_;
};
