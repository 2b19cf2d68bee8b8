// What a screen reader finds on the worksheet: every control named and in its role, the
// parameter values by their titles, no picture stores, and an editor that says which
// parameter it edits.

#include "tests/support/GridCellPoint.h"
#include "tests/support/WorksheetFixture.h"
#include "tests/support/WorksheetSteps.h"

#include "worksheet/CommandButtons.h"
#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/GridControl.h"
#include "app/MDIForm1.h"
#include "worksheet/controls/PadControl.h"
#include "worksheet/ParameterRow.h"
#include "app/WorksheetConversionTarget.h"

#include <QAccessible>

#include <map>
#include <string>
#include <vector>

namespace {

// Role and name of every interface under `node` whose object has a name of ours, by that
// name. Checks on the way that each child is found again at its own index.
void walk(QAccessibleInterface* node, std::map<std::string, std::string>& found) {
    const QObject* object = node->object();
    if (object != nullptr && !object->objectName().isEmpty())
        found[object->objectName().toStdString()] = QStringLiteral("%1 %2")
                                                        .arg(node->role())
                                                        .arg(node->text(QAccessible::Name))
                                                        .toStdString();
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(node->indexOfChild(child), i);
        walk(child, found);
    }
}

std::string roleAndName(QAccessible::Role role, const char* name) {
    return QStringLiteral("%1 %2").arg(role).arg(QLatin1String(name)).toStdString();
}

class Accessibility : public WorksheetFixture {
protected:
    // What the screen reader hears for the editor once the reaction is over.
    std::string editorName() {
        QCoreApplication::processEvents();
        return form().controls().Entry.accessibleName().toStdString();
    }
};

// State: the started worksheet. Action: walk the tree from the frame. Expected: each control
// in its role with its name, the value cells described by their rows' titles, and the
// picture stores nowhere.
TEST_F(Accessibility, EveryControlIsNamedInItsRole) {
    std::map<std::string, std::string> found;
    walk(QAccessible::queryAccessibleInterface(&program->frame()), found);
    const std::pair<const char*, std::string> expected[] = {
        {"Thebutton0", roleAndName(QAccessible::Button, "Clear")},
        {"Thebutton1", roleAndName(QAccessible::Button, "Detail")},
        {"Thebutton2", roleAndName(QAccessible::Button, "Close")},
        {"Thebutton3", roleAndName(QAccessible::Button, "Up +1")},
        {"Thebutton4", roleAndName(QAccessible::Button, "Down -1")},
        {"Thebutton5", roleAndName(QAccessible::Button, "Help")},
        {"Entry0", roleAndName(QAccessible::EditableText, "Annual Earnings per Share")},
        {"Thegrid", roleAndName(QAccessible::Table, "Parameters")},
        {"Detailgrid", roleAndName(QAccessible::Table, "Year-by-year detail")},
        {"Yieldlist", roleAndName(QAccessible::List, "Target Yield")},
        {"Picture1", roleAndName(QAccessible::Graphic, "Term 5 years, growth 22 %")},
        {"Picture2", roleAndName(QAccessible::Graphic, "Growth scale")},
        {"Picture3", roleAndName(QAccessible::Graphic, "Term scale")},
        {"Label1", roleAndName(QAccessible::StaticText, "Theoretic Stock Value:")},
        {"Thelabel0", roleAndName(QAccessible::StaticText, "Target Yield:")},
        {"Valuebox",
         roleAndName(QAccessible::StaticText, "Theoretic Stock Value: Annual Earnings missing")},
    };
    for (const auto& [control, description] : expected) {
        ASSERT_EQ(found.count(control), 1u) << control << " is not in the tree";
        EXPECT_EQ(found.at(control), description) << control;
    }
    for (int store = 10; store <= 25; ++store)
        EXPECT_EQ(found.count("Thebutton" + std::to_string(store)), 0u) << store;

    QAccessibleTableInterface* grid =
        QAccessible::queryAccessibleInterface(&form().controls().Thegrid)->tableInterface();
    std::vector<std::string> titles;
    for (int row = ParameterRow::first; row <= ParameterRow::last; ++row)
        titles.push_back(
            grid->cellAt(row - ParameterRow::first, 0)->text(QAccessible::Description).toStdString());
    EXPECT_EQ(titles, std::vector<std::string>(
                          {"Annual Earnings per Share", "Annual Dividends per Share",
                           "Annual Growth Rate (%)", "Term (years)", "Target Yield (%)"}));
}

// State: the editor on the earnings row. Action: each way the current row moves, in turn.
// Expected: the editor is named after the row it now edits.
TEST_F(Accessibility, TheEditorIsNamedAfterTheRowItEdits) {
    EXPECT_EQ(editorName(), "Annual Earnings per Share");
    QTest::keyClick(&form().controls().Entry, Qt::Key_Return);
    EXPECT_EQ(editorName(), "Annual Dividends per Share");
    QTest::keyClick(&form().controls().Entry, Qt::Key_Up);
    QTest::keyClick(&form().controls().Entry, Qt::Key_Up);
    EXPECT_EQ(editorName(), "Target Yield (%)");

    GridControl& grid = form().controls().Thegrid;
    const GridCellPoint term = gridCellPoint(grid, ParameterRow::Term, 1);
    QTest::mouseClick(term.widget, Qt::LeftButton, {}, term.point.toPoint());
    EXPECT_EQ(editorName(), "Term (years)");
    form().controls().Thebutton(CommandButtons::Clear).click();
    EXPECT_EQ(editorName(), "Annual Earnings per Share");
    WorksheetConversionTarget(form(), program->valuation()).writeParameter(PerShareFigure::Dividends, "1.00");
    EXPECT_EQ(editorName(), "Annual Dividends per Share");
}

// A drag on the pad passes through the term and growth rows and comes back. The name does
// not follow the passing rows (each change would be announced) and ends as it was.
TEST_F(Accessibility, ADragOnThePadAnnouncesNoPassingRow) {
    QTest::keyClick(&form().controls().Entry, Qt::Key_Return);
    ASSERT_EQ(editorName(), "Annual Dividends per Share");
    std::vector<std::string> namesWhileWriting;
    QObject::connect(&form().controls().Thegrid, &GridControl::cellChanged, &form(), [&] {
        namesWhileWriting.push_back(form().controls().Entry.accessibleName().toStdString());
    });
    emit form().controls().Picture1.mouseMoved(Qt::LeftButton, QPointF(659, 2399));
    ASSERT_FALSE(namesWhileWriting.empty());
    for (const std::string& name : namesWhileWriting)
        EXPECT_EQ(name, "Annual Dividends per Share");
    EXPECT_EQ(editorName(), "Annual Dividends per Share");
}

} // namespace

namespace {

// Every interface under `node` that reports the keyboard focus, by role and name.
void collectFocused(QAccessibleInterface* node, std::vector<std::string>& found) {
    if (node->state().focused)
        found.push_back(QStringLiteral("%1 %2")
                            .arg(node->role())
                            .arg(node->text(QAccessible::Name))
                            .toStdString());
    for (int i = 0; i < node->childCount(); ++i)
        collectFocused(node->child(i), found);
}

// State: the worked example typed, the detail table shown and hidden again, the pad stepped
// from the keyboard. Expected: one interface reports the focus at a time, the one that has
// the keyboard; the pad's value is its point; the table's headings are its column headers
// and its figures its rows.
TEST_F(Accessibility, FocusPadPointAndTableHeadings) {
    WorksheetSteps::typeParameters(form(), {"2", "1", "5", "10", "10"});
    const WorksheetControls& c = form().controls();
    c.Thebutton(CommandButtons::Detail).click();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&c.Detailgrid);
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowCount(), 11);
    EXPECT_EQ(cells->columnDescription(4), "Present value");
    EXPECT_EQ(cells->cellAt(10, 4)->text(QAccessible::Name), "20.38");
    const QList<QAccessibleInterface*> headers =
        cells->cellAt(10, 4)->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(headers.front()->text(QAccessible::Name), "Present value");
    c.Thebutton(CommandButtons::Detail).click();

    std::vector<std::string> focused;
    collectFocused(QAccessible::queryAccessibleInterface(&program->frame()), focused);
    EXPECT_EQ(focused, std::vector<std::string>{roleAndName(QAccessible::EditableText,
                                                            "Annual Earnings per Share")});

    c.Picture1.setFocus();
    QTest::keyClick(&c.Picture1, Qt::Key_Right);
    focused.clear();
    collectFocused(QAccessible::queryAccessibleInterface(&program->frame()), focused);
    EXPECT_EQ(focused, std::vector<std::string>{roleAndName(QAccessible::Graphic,
                                                            "Term 6 years, growth 22 %")});
}

} // namespace
