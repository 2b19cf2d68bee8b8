// What a screen reader finds on the worksheet: every control named and in its role, the
// parameter values by their titles, no picture stores, and an editor that says which
// parameter it edits.

#include "WorksheetFixture.h"

#include "CommandButtons.h"
#include "EditorControl.h"
#include "GridControl.h"
#include "ListControl.h"
#include "MDIForm1.h"
#include "PadControl.h"
#include "ParameterRow.h"
#include "WorksheetConversionTarget.h"

#include <QAccessible>

#include <map>
#include <string>
#include <vector>

namespace {

struct Found {
    QAccessible::Role role;
    std::string name;
    std::string description;
    bool invisible;
};

// Every interface under `node` whose object has a name of ours, by that name. Checks on the
// way that each child is found again at its own index.
void walk(QAccessibleInterface* node, std::map<QString, Found>& found, int depth = 0) {
    ASSERT_LT(depth, 12) << "the tree runs too deep";
    const QObject* object = node->object();
    if (object != nullptr && !object->objectName().isEmpty() &&
        !object->objectName().startsWith(QLatin1String("qt_")))
        found[object->objectName()] = {node->role(), node->text(QAccessible::Name).toStdString(),
                                       node->text(QAccessible::Description).toStdString(),
                                       bool(node->state().invisible)};
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        ASSERT_NE(child, nullptr) << "child " << i;
        EXPECT_EQ(node->indexOfChild(child), i);
        walk(child, found, depth + 1);
    }
}

class Accessibility : public WorksheetFixture {
protected:
    std::map<QString, Found> tree() {
        std::map<QString, Found> found;
        walk(QAccessible::queryAccessibleInterface(&program->frame()), found);
        return found;
    }

    // What the screen reader hears for the editor once the reaction is over.
    std::string editorName() {
        QCoreApplication::processEvents();
        return QAccessible::queryAccessibleInterface(&form().Entry())
            ->text(QAccessible::Name)
            .toStdString();
    }
};

struct Expected {
    const char* control;
    QAccessible::Role role;
    const char* name;
};

// State: the started worksheet. Action: walk the accessibility tree from the frame.
// Expected: each control in its role with its name; the picture stores absent.
TEST_F(Accessibility, EveryControlIsNamedInItsRole) {
    const std::map<QString, Found> found = tree();
    const Expected expected[] = {
        {"Thebutton0", QAccessible::Button, "Clear"},
        {"Thebutton1", QAccessible::Button, "Detail"},
        {"Thebutton2", QAccessible::Button, "Close"},
        {"Thebutton3", QAccessible::Button, "Up +1"},
        {"Thebutton4", QAccessible::Button, "Down -1"},
        {"Thebutton5", QAccessible::Button, "Help"},
        {"Entry0", QAccessible::EditableText, "Annual Earnings per Share"},
        {"Thegrid", QAccessible::Table, "Parameters"},
        {"Yieldlist", QAccessible::List, "Target Yield"},
        {"Picture1", QAccessible::Graphic, "Term and growth pad"},
        {"Picture2", QAccessible::Graphic, "Growth scale"},
        {"Picture3", QAccessible::Graphic, "Term scale"},
        {"Label1", QAccessible::StaticText, "Theoretic Stock Value:"},
        {"Label2", QAccessible::StaticText, " Growth %"},
        {"Label3", QAccessible::StaticText, " Term (Years)"},
        {"Thelabel0", QAccessible::StaticText, "Target Yield:"},
        {"Valuebox", QAccessible::StaticText, "Theoretic Stock Value: Annual Earnings missing"},
        {"commentbox", QAccessible::StaticText, "Detail comment"},
        {"Yellowbox", QAccessible::StaticText, ""}, // a hint only while the pointer is on a button
    };
    for (const Expected& e : expected) {
        const auto at = found.find(QString::fromLatin1(e.control));
        ASSERT_NE(at, found.end()) << e.control << " is not in the tree";
        EXPECT_EQ(at->second.role, e.role) << e.control;
        EXPECT_EQ(at->second.name, e.name) << e.control;
        EXPECT_FALSE(at->second.invisible) << e.control;
    }
    // Hidden until the user asks for it, but there to be found.
    ASSERT_NE(found.find(QStringLiteral("Detailgrid")), found.end());
    EXPECT_EQ(found.at(QStringLiteral("Detailgrid")).role, QAccessible::Table);
    EXPECT_EQ(found.at(QStringLiteral("Detailgrid")).name, "Year-by-year detail");
    EXPECT_TRUE(found.at(QStringLiteral("Detailgrid")).invisible);
    ASSERT_NE(found.find(QStringLiteral("Warningbox")), found.end());
    EXPECT_EQ(found.at(QStringLiteral("Warningbox")).name.rfind("Do NOT", 0), 0u);
    for (int store = 10; store <= 25; ++store)
        EXPECT_EQ(found.count(QStringLiteral("Thebutton%1").arg(store)), 0u) << store;
    // The buttons and the controls worked with the mouse say what they do.
    for (const char* control : {"Thebutton1", "Picture1", "Picture2", "Picture3", "Yieldlist"})
        EXPECT_FALSE(found.at(QString::fromLatin1(control)).description.empty()) << control;
}

// The value cells can be reached in the grid's table, each described by its row's title.
TEST_F(Accessibility, ValueCellsAreDescribedByTheirRowTitles) {
    QTest::keyClicks(&form().Entry(), QStringLiteral("2.5"));
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&form().Thegrid());
    ASSERT_NE(grid->tableInterface(), nullptr);
    std::vector<std::string> titles;
    for (int row = ParameterRow::first; row <= ParameterRow::last; ++row) {
        QAccessibleInterface* cell = grid->tableInterface()->cellAt(row, ParameterRow::valueColumn);
        ASSERT_NE(cell, nullptr) << row;
        EXPECT_EQ(cell->role(), QAccessible::Cell);
        EXPECT_GE(grid->indexOfChild(cell), 0) << row; // among the table's children
        titles.push_back(cell->text(QAccessible::Description).toStdString());
    }
    EXPECT_EQ(titles, std::vector<std::string>(
                          {"Annual Earnings per Share", "Annual Dividends per Share",
                           "Annual Growth Rate (%)", "Term (years)", "Target Yield (%)"}));
    EXPECT_EQ(grid->tableInterface()->cellAt(1, 1)->text(QAccessible::Name).toStdString(), "2.5");
}

// After the detail table is built its figures carry their column headings.
TEST_F(Accessibility, DetailFiguresAreDescribedByTheirHeadings) {
    const char* const parameters[] = {"2", "1", "5", "3", "4"};
    for (int row = ParameterRow::first; row <= ParameterRow::last; ++row)
        form().Thegrid().setCellText(row, 1, QLatin1String(parameters[row - 1]));
    form().commandButtons().release(CommandButtons::Detail);
    ASSERT_TRUE(form().Detailgrid().isVisible());
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(&form().Detailgrid())->tableInterface();
    auto read = [table](int row, int column, QAccessible::Text kind) {
        return table->cellAt(row, column)->text(kind).toStdString();
    };
    EXPECT_EQ(read(2, 1, QAccessible::Description), "Earnings");
    EXPECT_EQ(read(2, 4, QAccessible::Description), "Present value");
    EXPECT_EQ(read(2, 0, QAccessible::Name), "2"); // the year
}

void press(Valkubeform& form, Qt::Key key) {
    QTest::keyClick(&form.Entry(), key);
}

struct RowMove {
    const char* what;
    std::function<void(Valkubeform&)> act;
    const char* expectedName;
};

// State: the editor on the earnings row. Action: each way the current row moves, in turn.
// Expected: the editor is named after the row it now edits.
TEST_F(Accessibility, TheEditorIsNamedAfterTheRowItEdits) {
    const RowMove moves[] = {
        {"Enter", [](Valkubeform& f) { press(f, Qt::Key_Return); }, "Annual Dividends per Share"},
        {"down arrow", [](Valkubeform& f) { press(f, Qt::Key_Down); }, "Annual Growth Rate (%)"},
        {"up arrow", [](Valkubeform& f) { press(f, Qt::Key_Up); }, "Annual Dividends per Share"},
        {"up past the first row",
         [](Valkubeform& f) {
             press(f, Qt::Key_Up);
             press(f, Qt::Key_Up);
         },
         "Target Yield (%)"},
        {"a click on the term cell",
         [](Valkubeform& f) {
             GridControl& grid = f.Thegrid();
             const QModelIndex term = grid.model()->index(ParameterRow::Term, 1);
             QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(term).center());
         },
         "Term (years)"},
        {"Clear", [](Valkubeform& f) { f.commandButtons().release(CommandButtons::Clear); },
         "Annual Earnings per Share"},
        {"a digit, then a yield pick",
         [](Valkubeform& f) {
             QTest::keyClicks(&f.Entry(), QStringLiteral("3"));
             f.Yieldlist().selectPosition(7);
         },
         "Target Yield (%)"},
        {"a conversion into the dividends row",
         [](Valkubeform& f) {
             WorksheetConversionTarget target(f);
             target.writeParameter(PerShareFigure::Dividends, QStringLiteral("1.00"));
         },
         "Annual Dividends per Share"},
    };
    EXPECT_EQ(editorName(), "Annual Earnings per Share");
    for (const RowMove& move : moves) {
        move.act(form());
        EXPECT_EQ(editorName(), move.expectedName) << move.what;
    }
}

// A drag on the pad passes through the term and growth rows and comes back. The editor's
// name does not follow those passing rows (each change would be announced), and ends as it
// was.
TEST_F(Accessibility, ADragOnThePadAnnouncesNoPassingRow) {
    press(form(), Qt::Key_Return);
    ASSERT_EQ(editorName(), "Annual Dividends per Share");
    std::vector<std::string> namesWhileWriting;
    QObject::connect(&form().Thegrid(), &QTableWidget::itemChanged, &form(),
                     [this, &namesWhileWriting] {
                         namesWhileWriting.push_back(form().Entry().accessibleName().toStdString());
                     });
    emit form().Picture1().mouseMoved(Qt::LeftButton, QPointF(659, 2399));
    ASSERT_EQ(form().Thegrid().cellText(ParameterRow::Term, 1), "5");
    EXPECT_FALSE(namesWhileWriting.empty());
    for (const std::string& name : namesWhileWriting)
        EXPECT_EQ(name, "Annual Dividends per Share");
    EXPECT_EQ(editorName(), "Annual Dividends per Share");
}

} // namespace
