#include "tests/support/WorksheetFixture.h"

#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/GridControl.h"
#include "app/NoticeDialogOwner.h"
#include "app/Noticeform.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace {

class NoticeDialog : public WorksheetFixture {
protected:
    // What a user sees of the worksheet's figures and typing position.
    QStringList worksheetState() {
        QStringList state{form().controls().Valuebox.text(), form().controls().Entry.text(),
                          QString::number(form().controls().Thegrid.row())};
        for (int row = 1; row <= 5; ++row)
            state << form().controls().Thegrid.cellText(row, 1);
        return state;
    }

    int openNotices() {
        int open = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            open += window->objectName() == QLatin1String("Noticeform") && window->isVisible();
        return open;
    }

    QPushButton* closeButton() {
        return notices.dialog()->findChild<QPushButton*>(QStringLiteral("Noticeclose"));
    }

    NoticeDialogOwner notices;
};

// Modeless and single: asking while it is open brings the same dialog forward; its button
// closes it, and asking again shows it again.
TEST_F(NoticeDialog, IsOneModelessDialogThatClosesWithItsButton) {
    notices.show(&form());
    Noticeform* first = notices.dialog();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(first));
    EXPECT_FALSE(first->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    const QString text = first->findChild<QLabel*>(QStringLiteral("Noticetext"))->text();
    EXPECT_TRUE(text.contains(QLatin1String("Valmora v4.00")));
    EXPECT_TRUE(text.contains(QLatin1String("not investment advice")));
    EXPECT_EQ(closeButton()->text(), QStringLiteral("&Close"));

    notices.show(&form());
    EXPECT_EQ(notices.dialog(), first);
    EXPECT_EQ(openNotices(), 1);
    QTest::mouseClick(closeButton(), Qt::LeftButton);
    EXPECT_EQ(openNotices(), 0);
    notices.show(&form());
    EXPECT_EQ(openNotices(), 1);
}

// State: figures typed into the worksheet. Action: open the notice, type on while it is
// open, close it. Expected: the worksheet took the typing, and the notice changed nothing.
TEST_F(NoticeDialog, LeavesTheWorksheetAsItWas) {
    QTest::keyClicks(&form().controls().Entry, QStringLiteral("2"));
    const QStringList before = worksheetState();
    notices.show(&form());
    EXPECT_EQ(worksheetState(), before);

    QTest::keyClicks(&form().controls().Entry, QStringLiteral("5"));
    EXPECT_EQ(form().controls().Thegrid.cellText(1, 1), QStringLiteral("25"));
    const QStringList typedOn = worksheetState();
    QTest::mouseClick(closeButton(), Qt::LeftButton);
    EXPECT_EQ(worksheetState(), typedOn);
    EXPECT_TRUE(services.takeMessages().empty());
    EXPECT_EQ(services.takeBeeps(), 0);
}

} // namespace
