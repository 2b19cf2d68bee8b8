#include "app/HelpViewer.h"
#include "app/HelpBrowser.h"
#include "app/HelpFindBar.h"
#include "app/HelpPlacement.h"
#include "app/QtPlatformServices.h"
#include "tests/support/RecordingPlatformServices.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace {

// A small guide with the awkward parts a hand-written file may have: a link to a place that
// does not exist, links to the web and to another file, a missing picture, unclosed tags.
QByteArray sampleGuide() {
    QByteArray filler;
    for (int i = 0; i < 80; ++i)
        filler += "<p>Filler line " + QByteArray::number(i) + "</p>\n";
    return "<!DOCTYPE html><html><body>\n"
           "<h1><a name=\"contents\"></a>Contents</h1>\n"
           "<p><a href=\"#alpha\">Alpha</a> <a href=\"#beta\">Beta</a> "
           "<a href=\"#nowhere\">Broken</a> <a href=\"https://example.org/\">Web</a> "
           "<a href=\"other.html\">Other</a></p>\n"
           "<p><img src=\"missing.png\"><b><i>unclosed\n" +
           filler + "<h2><a name=\"alpha\"></a>Alpha</h2><p>The first needle.</p>\n" + filler +
           "<h2><a name=\"beta\"></a>Beta</h2><p>The second needle.</p>\n" + filler +
           "</body></html>\n";
}

class HelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        guide = folder.filePath("valmora.hlp");
        writeGuide(sampleGuide());
    }

    void writeGuide(const QByteArray& html) {
        QFile file(guide);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(html);
    }

    void open() {
        ASSERT_TRUE(viewer.showContents(guide));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    }

    HelpBrowser& page() { return viewer.page(); }
    int scrollPosition() { return page().verticalScrollBar()->value(); }
    QAction* action(const char* name) { return viewer.findChild<QAction*>(QLatin1String(name)); }

    // Clicks the link to `href` with the mouse, as the user would.
    void clickLink(const QString& href) {
        for (QTextBlock block = page().document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.charFormat().anchorHref() != href)
                    continue;
                QTextCursor cursor(page().document());
                cursor.setPosition(fragment.position() + fragment.length() / 2);
                const QPoint point = page().cursorRect(cursor).center();
                QTest::mouseClick(page().viewport(), Qt::LeftButton, {}, point);
                return;
            }
        }
        FAIL() << "no link to " << href.toStdString();
    }

    QTemporaryDir folder;
    QString guide;
    RecordingPlatformServices services{QSizeF(19200, 14400), QStringLiteral("/opt/valmora")};
    HelpViewer viewer{services};
};

// State: the guide just opened. Action: follow a topic link, then back, forward, contents,
// back. Expected: each step lands at its place, and the history buttons follow.
TEST_F(HelpViewerTest, FollowsTopicLinksBackAndForward) {
    open();
    EXPECT_TRUE(services.takeMessages().empty());
    EXPECT_TRUE(page().toPlainText().startsWith(QLatin1String("Contents")));
    EXPECT_EQ(scrollPosition(), 0);
    EXPECT_FALSE(action("Helpback")->isEnabled());
    EXPECT_EQ(viewer.createPopupMenu(), nullptr); // no menu hides these buttons' toolbar

    clickLink(QStringLiteral("#beta"));
    EXPECT_EQ(page().source().fragment(), QStringLiteral("beta"));
    const int atBeta = scrollPosition();
    EXPECT_GT(atBeta, 0);
    EXPECT_TRUE(action("Helpback")->isEnabled());

    QTest::keySequence(&viewer, QKeySequence::Back);
    EXPECT_EQ(scrollPosition(), 0);
    EXPECT_TRUE(action("Helpforward")->isEnabled());

    action("Helpforward")->trigger();
    EXPECT_EQ(scrollPosition(), atBeta);

    action("Helpcontents")->trigger();
    EXPECT_EQ(scrollPosition(), 0);
    action("Helpback")->trigger();
    EXPECT_EQ(scrollPosition(), atBeta);
}

// Links to a missing place, the web or another file lead nowhere: the page stays, the
// status line says why, and the guide still works afterwards.
TEST_F(HelpViewerTest, LinksOutsideTheGuideAreNotFollowed) {
    open();
    const QString before = page().toPlainText();
    for (const char* href : {"#nowhere", "https://example.org/", "other.html"}) {
        clickLink(QLatin1String(href));
        EXPECT_EQ(page().toPlainText(), before) << href;
        EXPECT_EQ(scrollPosition(), 0) << href;
        EXPECT_FALSE(viewer.statusBar()->currentMessage().isEmpty()) << href;
        EXPECT_FALSE(action("Helpback")->isEnabled()) << href;
    }
    clickLink(QStringLiteral("#alpha"));
    EXPECT_GT(scrollPosition(), 0);
    EXPECT_TRUE(viewer.statusBar()->currentMessage().isEmpty());
}

TEST_F(HelpViewerTest, FindStepsThroughMatchesAndSaysNotFound) {
    open();
    QTest::keySequence(&viewer, QKeySequence::Find);
    auto* text = viewer.findChild<QLineEdit*>(QStringLiteral("Helpfindtext"));
    auto* status = viewer.findChild<QLabel*>(QStringLiteral("Helpfindstatus"));
    ASSERT_TRUE(viewer.findBar().isVisible());
    ASSERT_TRUE(text->hasFocus());

    QTest::keyClicks(text, QStringLiteral("needle"));
    const int first = page().textCursor().selectionStart();
    EXPECT_EQ(page().textCursor().selectedText(), QStringLiteral("needle"));

    QTest::keyClick(text, Qt::Key_Return);
    const int second = page().textCursor().selectionStart();
    EXPECT_GT(second, first);
    QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(page().textCursor().selectionStart(), first);
    // Past the last match the search starts again at the top.
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(page().textCursor().selectionStart(), first);

    QTest::keyClick(text, Qt::Key_X);
    EXPECT_TRUE(viewer.findBar().notFound());
    EXPECT_EQ(status->text(), QStringLiteral("Not found"));
    EXPECT_FALSE(page().textCursor().hasSelection());

    QTest::keyClick(text, Qt::Key_Backspace);
    EXPECT_FALSE(viewer.findBar().notFound());
    EXPECT_EQ(page().textCursor().selectionStart(), first);

    // Escape closes the find bar first, then the window; Ctrl+W closes the window.
    QTest::keyClick(text, Qt::Key_Escape);
    EXPECT_FALSE(viewer.findBar().isVisible());
    ASSERT_TRUE(viewer.isVisible());
    QTest::keyClick(&page(), Qt::Key_Escape);
    EXPECT_FALSE(viewer.isVisible());
    open();
    QTest::keyClick(&page(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(viewer.isVisible());
}

// Asked from a window, the help opens beside it, not over it, and whole on the screen.
TEST_F(HelpViewerTest, OpensBesideTheWindowItIsAskedFrom) {
    QWidget frame;
    frame.setGeometry(20, 40, 150, 400);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    open();
    EXPECT_FALSE(viewer.frameGeometry().intersects(frame.frameGeometry()));
    EXPECT_TRUE(viewer.screen()->availableGeometry().contains(viewer.frameGeometry()));
}

// Beside the frame when there is room, else centred on it; always whole on the screen
// (1024x768 less a top panel, 1920x1080 less a bottom one), shrunk to it when larger.
TEST(HelpPlacementTest, BesideOrCentredOnTheFrameWholeOnTheScreen) {
    const QRect small(0, 24, 1024, 744), large(0, 0, 1920, 1050);
    const struct { QRect frame; QSize window; QRect screen; QRect place; } cases[] = {
        {{100, 600, 800, 400}, {576, 624}, large, {900, 426, 576, 624}}, // right, raised
        {{1200, 100, 700, 600}, {576, 624}, large, {624, 100, 576, 624}}, // left
        {{0, 24, 1024, 744}, {576, 624}, small, {224, 84, 576, 624}},   // centred
        {{-300, 500, 800, 600}, {576, 624}, small, {0, 144, 576, 624}},   // centred, clamped
        {{0, 24, 1024, 744}, {800, 900}, small, {112, 24, 800, 744}},   // shrunk
    };
    for (const auto& c : cases)
        EXPECT_EQ(helpWindowPlace(c.frame, c.window, c.screen), c.place) << c.frame.x();
}

// Asking again brings the same window back at the top, with the file as it is now.
TEST_F(HelpViewerTest, AskingAgainReturnsToTheContentsOfTheCurrentFile) {
    open();
    clickLink(QStringLiteral("#beta"));
    ASSERT_GT(scrollPosition(), 0);
    writeGuide(sampleGuide().replace("Contents", "Revised contents"));

    ASSERT_TRUE(viewer.showContents(guide));
    EXPECT_EQ(scrollPosition(), 0);
    EXPECT_TRUE(page().toPlainText().startsWith(QLatin1String("Revised contents")));
    EXPECT_FALSE(action("Helpback")->isEnabled());
}

// One message that names the file, no window for it, and the viewer goes on working: a
// guide that is open stays as it was. (Which files are unfit, and why, is the check's test.)
TEST_F(HelpViewerTest, UnfitFileIsReportedOnceByName) {
    for (const QString& bad : {folder.filePath("none.hlp"), folder.path()}) {
        EXPECT_FALSE(viewer.showContents(bad));
        const auto messages = services.takeMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].text.contains(bad)) << messages[0].text.toStdString();
        EXPECT_FALSE(viewer.isVisible());
    }
    open();
    EXPECT_FALSE(viewer.showContents(folder.filePath("none.hlp")));
    EXPECT_EQ(services.takeMessages().size(), 1u);
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_TRUE(page().toPlainText().startsWith(QLatin1String("Contents")));
}

// A screen reader finds the page and the find box by name.
TEST_F(HelpViewerTest, PageAndFindBoxAreNamed) {
    open();
    viewer.findBar().open();
    auto name = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString();
    };
    EXPECT_EQ(name(&page()), "User's guide");
    EXPECT_EQ(name(viewer.findChild<QLineEdit*>(QStringLiteral("Helpfindtext"))), "Find:");
}

// The program's own services keep one help window for the whole run.
TEST_F(HelpViewerTest, PlatformServicesKeepOneHelpWindow) {
    QtPlatformServices real;
    real.openHelp(guide);
    real.openHelp(guide);
    int open = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        open += window->objectName() == QLatin1String("Helpviewer") && window->isVisible();
    EXPECT_EQ(open, 1);
}

} // namespace
