#include "tests/support/GridCellPoint.h"
#include "worksheet/controls/GridControl.h"

#include <QImage>
#include <QWheelEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using Range = GridControl::Range;

// The parameter grid's shape: 6 rows, 2 columns, row 0 and column 0 fixed.
class GridControlTest : public ::testing::Test {
protected:
    GridControlTest() : grid(6, 2, 1, 1, TwipsScale(96.0)) {
        grid.setGeometryTwips({0.0, 0.0, 3615.0, 1680.0});
        grid.setColumnWidthTwips(0, 2160.0);
        grid.setColumnWidthTwips(1, 1440.0);
        grid.show();
    }

    void click(int row, int column, Qt::MouseButton button = Qt::LeftButton) {
        const GridCellPoint target = gridCellPoint(grid, row, column);
        QTest::mouseClick(target.widget, button, {}, target.point.toPoint());
    }

    GridControl grid;
    QSignalSpy moved{&grid, &GridControl::userMovedCurrentCell};
};

} // namespace

TEST_F(GridControlTest, StartsOnTheFirstMovableCell) {
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.column(), 1);
    EXPECT_EQ(grid.highlight(), (Range{1, 1, 1, 1}));
    EXPECT_EQ(grid.columnWidth(0), 144);
    EXPECT_EQ(grid.columnWidth(1), 96);
}

// State: current cell (1, 1). Action: every program change. Expected: no notification, and
// the highlight stays where the program put it.
TEST_F(GridControlTest, ProgramChangesNeverNotify) {
    grid.setRow(0);
    grid.setColumn(0);
    grid.setText("PARAMETERS:");
    grid.setColumn(1);
    for (int row = 1; row <= 5; ++row) {
        grid.setRow(row);
        grid.setText(QString::number(row));
    }
    grid.setCellText(2, 1, "x");
    grid.setRowCount(8);
    grid.setHighlight({5, 1, 5, 1});
    grid.setRow(2);

    EXPECT_EQ(moved.count(), 0);
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(grid.highlight(), (Range{5, 1, 5, 1}));
    EXPECT_EQ(grid.cellText(0, 0), "PARAMETERS:");
    EXPECT_EQ(grid.cellText(2, 1), "x");
    EXPECT_EQ(grid.cellText(7, 1), "");
    EXPECT_EQ(grid.cellText(9, 9), "");
}

TEST_F(GridControlTest, UserClickMovesHighlightThenNotifiesOnce) {
    Range seen;
    int rowSeen = -1;
    QObject::connect(&grid, &GridControl::userMovedCurrentCell, [&] {
        seen = grid.highlight();
        rowSeen = grid.row();
    });
    click(3, 1);
    EXPECT_EQ(moved.count(), 1);
    EXPECT_EQ(rowSeen, 3);
    EXPECT_EQ(seen, (Range{3, 1, 3, 1}));

    click(3, 1); // the current cell again
    EXPECT_EQ(moved.count(), 1);
}

TEST_F(GridControlTest, ClicksOnFixedCells) {
    click(0, 1); // fixed row: nothing at all
    click(1, 1, Qt::RightButton);
    EXPECT_EQ(moved.count(), 0);
    EXPECT_EQ(grid.row(), 1);

    click(2, 0); // fixed column: the user may make it current
    EXPECT_EQ(moved.count(), 1);
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(grid.column(), 0);
    EXPECT_FALSE(grid.isHighlighted(2, 0)); // fixed cells are never painted highlighted
}

TEST_F(GridControlTest, ArrowKeysMoveWithinTheMovableCells) {
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(moved.count(), 1);
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(grid.highlight(), (Range{2, 1, 2, 1}));

    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Up);   // row 0 is fixed
    QTest::keyClick(&grid, Qt::Key_Left); // so is column 0
    EXPECT_EQ(moved.count(), 2);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.column(), 1);

    QTest::keyClick(&grid, Qt::Key_PageDown);
    EXPECT_EQ(grid.row(), 5);
    QTest::keyClick(&grid, Qt::Key_A); // no keyboard search
    EXPECT_EQ(moved.count(), 3);
}

TEST(GridControlKeys, HomeEndAndScrollingOnALongTable) {
    GridControl grid(100, 5, 1, 0, TwipsScale(96.0));
    grid.setGeometryTwips({0.0, 0.0, 4935.0, 2415.0});
    grid.show();
    QSignalSpy moved(&grid, &GridControl::userMovedCurrentCell);

    grid.setRow(90); // a program move does not scroll
    EXPECT_EQ(grid.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(grid.verticalScrollBar()->isVisible());

    QTest::keyClick(&grid, Qt::Key_End);
    EXPECT_EQ(grid.column(), 4);
    QTest::keyClick(&grid, Qt::Key_Home);
    EXPECT_EQ(grid.column(), 0);
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid.row(), 99);
    EXPECT_EQ(moved.count(), 3);
    EXPECT_TRUE(grid.viewport()->geometry().contains(grid.cellRect(99, 4)));
}

TEST_F(GridControlTest, SixRowsFitWithoutScrollBar) {
    EXPECT_FALSE(grid.verticalScrollBar()->isVisible());
    EXPECT_LE(grid.cellRect(5, 1).bottom(), grid.viewport()->geometry().bottom());
}

TEST_F(GridControlTest, ShrinkingKeepsCurrentCellAndHighlightInside) {
    grid.setRow(5);
    grid.setHighlight({4, 1, 5, 1});
    grid.setCellText(2, 1, "kept");
    grid.setRowCount(3);
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(grid.highlight(), (Range{2, 1, 2, 1}));
    EXPECT_EQ(grid.text(), "kept");
    grid.setRowCount(0); // one row below the fixed one always stays
    EXPECT_EQ(grid.rowCount(), 2);
}

TEST_F(GridControlTest, PaintsFixedHighlightedAndPlainCells) {
    grid.setHighlight({3, 1, 3, 1});
    const QImage image = grid.grab().toImage();
    const auto colourAt = [&](int row, int column) {
        return image.pixelColor(grid.cellRect(row, column).center());
    };
    const QPalette& palette = grid.palette();
    EXPECT_EQ(colourAt(3, 1), palette.color(QPalette::Highlight));
    EXPECT_EQ(colourAt(2, 1), palette.color(QPalette::Base));
    EXPECT_EQ(colourAt(0, 1), palette.color(QPalette::Button));
    EXPECT_EQ(colourAt(3, 0), palette.color(QPalette::Button));
}

namespace {

struct ScrollCase {
    const char* name;
    std::function<void(GridControl&)> scroll;
};

class FixedRowUnderScrolling : public ::testing::TestWithParam<ScrollCase> {};

// State: a long detail-shaped table, its heading row written. Action: one way of scrolling
// it down. Expected: the rows moved, the heading row is painted where it was, on top.
TEST_P(FixedRowUnderScrolling, StaysOnTop) {
    GridControl grid(100, 5, 1, 0, TwipsScale(96.0));
    grid.setGeometryTwips({0.0, 0.0, 4935.0, 2415.0});
    grid.setCellText(0, 1, QStringLiteral("Earnings"));
    grid.show();
    const QRect heading = grid.cellRect(0, 1);
    GetParam().scroll(grid);
    EXPECT_GT(grid.topRow(), 1);
    EXPECT_EQ(grid.cellRect(0, 1), heading);
    const QImage image = grid.grab().toImage();
    EXPECT_EQ(image.pixelColor(heading.topRight() + QPoint(-3, 3)),
              grid.palette().color(QPalette::Button));
    EXPECT_LT(grid.cellRect(1, 1).bottom(), grid.viewport()->geometry().top()); // year 1 left
}

const ScrollCase scrollCases[] = {
    {"wheel",
     [](GridControl& grid) {
         QWheelEvent wheel(QPointF(grid.viewport()->rect().center()),
                           grid.viewport()->mapToGlobal(QPointF(grid.viewport()->rect().center())),
                           QPoint(), QPoint(0, -3 * 120), Qt::NoButton, Qt::NoModifier,
                           Qt::NoScrollPhase, false);
         QCoreApplication::sendEvent(grid.viewport(), &wheel);
     }},
    {"scroll_bar", [](GridControl& grid) { grid.verticalScrollBar()->setValue(40); }},
    {"keyboard", [](GridControl& grid) { QTest::keyClick(&grid, Qt::Key_PageDown); }},
};
INSTANTIATE_TEST_SUITE_P(Ways, FixedRowUnderScrolling, ::testing::ValuesIn(scrollCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
