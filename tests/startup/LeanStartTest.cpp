#include "app/ApplicationSetup.h"
#include "app/FontConfigurationWarmUp.h"
#include "app/ProgramIcon.h"
#include "tests/support/WorksheetFixture.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyle>

#include <gtest/gtest.h>

namespace {

// The shared libraries this process has mapped whose path contains `folder`.
QStringList mappedLibrariesUnder(const QString& folder) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("(cannot read /proc/self/maps)")};
    QStringList found;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QString text = QString::fromLocal8Bit(line);
        if (text.contains(folder))
            found << text.section(QLatin1Char(' '), -1);
    }
    found.removeDuplicates();
    return found;
}

// Each case runs in its own process under CTest, so a plug-in seen here was loaded by this
// start-up and not by an earlier test.
class LeanStartTest : public WorksheetFixture {
protected:
    void SetUp() override {
        setUpApplication();
        WorksheetFixture::SetUp();
    }
};

// Start-up reads no picture through Qt's plug-ins: the program icon is decoded directly, and
// the pictures Qt's sub-window and menu bar ask for are read only if one is ever drawn.
TEST_F(LeanStartTest, StartingLoadsNoImagePlugin) {
    EXPECT_EQ(mappedLibrariesUnder(QStringLiteral("/imageformats/")), QStringList());
    EXPECT_EQ(mappedLibrariesUnder(QStringLiteral("/iconengines/")), QStringList());
}

// The deferred pictures are the style's own once drawn: the overflow arrow of the menu bar
// and the window-menu pictures give the same pixels as the base style's.
TEST_F(LeanStartTest, DeferredPicturesDrawAsTheBaseStyles) {
    const QStyle* style = QApplication::style();
    const auto* workspaceStyle = qobject_cast<const QProxyStyle*>(style);
    ASSERT_NE(workspaceStyle, nullptr);
    for (QStyle::StandardPixmap picture :
         {QStyle::SP_TitleBarCloseButton, QStyle::SP_TitleBarNormalButton,
          QStyle::SP_TitleBarMinButton, QStyle::SP_TitleBarMaxButton,
          QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon deferred = style->standardIcon(picture);
        const QIcon own = workspaceStyle->baseStyle()->standardIcon(picture);
        ASSERT_FALSE(own.isNull()) << picture;
        EXPECT_FALSE(deferred.isNull()) << picture;
        EXPECT_EQ(deferred.availableSizes(), own.availableSizes()) << picture;
        for (int size : {16, 32}) {
            const QImage drawn = deferred.pixmap(size, size).toImage();
            const QImage expected = own.pixmap(size, size).toImage();
            EXPECT_FALSE(drawn.isNull()) << picture;
            EXPECT_EQ(drawn, expected) << picture << " at " << size;
        }
    }
    // Everything else comes from the base style at once.
    EXPECT_EQ(style->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32).toImage(),
              workspaceStyle->baseStyle()->standardIcon(QStyle::SP_MessageBoxWarning)
                  .pixmap(32)
                  .toImage());
}

// A window menu, were one shown, would still have its pictures.
TEST_F(LeanStartTest, AWindowMenuStillGetsItsPictures) {
    QMdiSubWindow window;
    ASSERT_NE(window.systemMenu(), nullptr);
    int withPicture = 0;
    for (const QAction* entry : window.systemMenu()->actions()) {
        if (!entry->icon().isNull() && !entry->icon().pixmap(16).isNull())
            ++withPicture;
    }
    EXPECT_GE(withPicture, 3);
}

// The program icon offers the drawing's sizes, each decoded at its own size: none is made by
// scaling another.
TEST(ProgramIconTest, OffersEachSizeOfTheDrawing) {
    const QIcon icon = programIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 22, 24, 32, 48, 64, 128}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
        const QImage image = icon.pixmap(size).toImage();
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_TRUE(image.hasAlphaChannel());
        // The drawing's corner is transparent and its middle is not.
        EXPECT_EQ(qAlpha(image.pixel(0, size - 1)), 0) << size;
        EXPECT_GT(qAlpha(image.pixel(size / 2, size / 2)), 0) << size;
    }
}

// Waiting for the font configuration twice, or not at all before the end, is harmless.
TEST(FontConfigurationWarmUpTest, FinishesOnceWhateverTheOwnerDoes) {
    {
        FontConfigurationWarmUp warmUp;
        warmUp.finish();
        warmUp.finish();
    }
    FontConfigurationWarmUp unwaited;
    SUCCEED();
}

} // namespace
