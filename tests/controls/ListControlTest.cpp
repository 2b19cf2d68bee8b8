#include "worksheet/controls/ListControl.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The yield list: an empty entry and 1 to 100, a few entries high.
class ListControlTest : public ::testing::Test {
protected:
    ListControlTest() {
        list.setGeometryTwips({0.0, 0.0, 795.0, 2790.0});
        list.addItem(QString());
        for (int n = 1; n <= 100; ++n)
            list.addItem(QString::number(n));
        list.show();
    }

    void click(int position, Qt::MouseButton button = Qt::LeftButton) {
        const QPoint centre = list.visualItemRect(list.item(position)).center();
        QTest::mouseClick(list.viewport(), button, {}, centre);
    }

    ListControl list{TwipsScale(96.0)};
    QSignalSpy picks{&list, &ListControl::picked};
};

} // namespace

TEST_F(ListControlTest, ProgramSelectPicksInsideTheCall) {
    int selectedAtPick = -2;
    QObject::connect(&list, &ListControl::picked,
                     [&] { selectedAtPick = list.selectedPosition(); });
    list.selectPosition(4);
    EXPECT_EQ(picks.count(), 1);
    EXPECT_EQ(selectedAtPick, 4);

    list.selectPosition(4); // already selected: still a pick
    EXPECT_EQ(picks.count(), 2);
    list.selectPosition(101); // past the end: ignored
    EXPECT_EQ(list.selectedPosition(), 4);
    EXPECT_EQ(picks.count(), 2);
}

TEST_F(ListControlTest, ClearingTheSelectionPicksNothing) {
    list.selectPosition(4);
    list.clearSelectedPosition();
    list.selectPosition(-1);
    EXPECT_EQ(list.selectedPosition(), -1);
    EXPECT_EQ(picks.count(), 1);
}

TEST_F(ListControlTest, EveryUserClickPicksOnce) {
    click(3);
    EXPECT_EQ(picks.count(), 1);
    EXPECT_EQ(list.selectedPosition(), 3);
    click(3);
    EXPECT_EQ(picks.count(), 2);
    click(5, Qt::RightButton);
    EXPECT_EQ(picks.count(), 2);
    EXPECT_EQ(list.selectedPosition(), 3);
}

// The worksheet resets the list to the empty entry inside its pick; the release of the click
// must not bring the clicked entry back.
TEST_F(ListControlTest, APickThatResetsTheListKeepsTheReset) {
    bool resetting = false;
    QObject::connect(&list, &ListControl::picked, [&] {
        if (resetting)
            return;
        resetting = true;
        list.selectPosition(0);
        resetting = false;
    });
    click(8);
    EXPECT_EQ(picks.count(), 2);
    EXPECT_EQ(list.selectedPosition(), 0);
}

TEST_F(ListControlTest, KeyboardMovesPick) {
    list.selectPosition(99);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.selectedPosition(), 100);
    QTest::keyClick(&list, Qt::Key_Down); // already the last entry
    EXPECT_EQ(picks.count(), 2);
}

TEST_F(ListControlTest, ProgramSelectScrollsIntoView) {
    list.selectPosition(100);
    EXPECT_TRUE(list.viewport()->rect().contains(list.visualItemRect(list.item(100))));
}
