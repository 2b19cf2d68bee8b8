#include "conversions/Conversionform.h"
#include "conversions/ConversionKind.h"
#include "engine/NumberLocale.h"
#include "RecordingTarget.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// A dialog shown (not run modally, so that the test keeps the thread) over a recording
// target, with the English number locale unless a test says otherwise.
class ConversionformTest : public ::testing::Test {
protected:
    void TearDown() override { dialog.reset(); }

    void open() {
        dialog = std::make_unique<Conversionform>(target, kind, locale);
        target.dialog = dialog.get();
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    QLineEdit& box(int element) { return dialog->Conversionbox(element); }
    QPushButton& button(int element) { return dialog->Thebutton(element); }

    // The user clicks into the box and types.
    void fill(int element, const QString& text) {
        QTest::mouseClick(&box(element), Qt::LeftButton);
        QTest::keyClicks(&box(element), text);
    }
    void fillBoth(const QString& rate, const QString& price) {
        fill(1, price);
        fill(0, rate);
    }
    // A key as the user presses it: to whichever control has the focus.
    void press(Qt::Key key) { QTest::keyClick(dialog->focusWidget(), key); }
    QString focusName() const {
        return dialog->focusWidget() != nullptr ? dialog->focusWidget()->objectName() : QString();
    }

    QString kind = ConversionKind::priceEarnings;
    NumberLocale locale{".", ","};
    RecordingTarget target;
    std::unique_ptr<Conversionform> dialog;
};

// --- Showing ---------------------------------------------------------------------------------

class ConversionformShowing : public ConversionformTest,
                              public ::testing::WithParamInterface<QString> {};

// State: the menu has set the kind. Action: the dialog shows. Expected: the first caption
// names the kind, both boxes are empty and the ratio (or yield) box has the focus.
TEST_P(ConversionformShowing, NamesTheKindAndFocusesTheFirstBox) {
    kind = GetParam();
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Conversions"));
    EXPECT_EQ(dialog->findChild<QLabel*>("Conversionlabel0")->text(), GetParam());
    EXPECT_EQ(dialog->findChild<QLabel*>("Conversionlabel1")->text(), QStringLiteral("Stock Price"));
    EXPECT_EQ(box(0).text(), QString());
    EXPECT_EQ(box(1).text(), QString());
    EXPECT_EQ(focusName(), QStringLiteral("Conversionbox0"));
}

// A screen reader names each box by the label over it, the kind's text included, and finds
// the buttons as buttons.
TEST_P(ConversionformShowing, ScreenReadersNameEachBoxByItsLabel) {
    kind = GetParam();
    open();
    auto read = [](QWidget& widget) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
        return std::make_pair(accessible->role(),
                              accessible->text(QAccessible::Name).toStdString());
    };
    EXPECT_EQ(read(box(0)), std::make_pair(QAccessible::EditableText, GetParam().toStdString()));
    EXPECT_EQ(read(box(1)), std::make_pair(QAccessible::EditableText, std::string("Stock Price")));
    EXPECT_EQ(read(button(0)), std::make_pair(QAccessible::Button, std::string("OK")));
    EXPECT_EQ(read(button(1)), std::make_pair(QAccessible::Button, std::string("Close")));
}

// Bold text must not be cut off: each caption fits its control, for both kinds.
TEST_P(ConversionformShowing, CaptionsFitTheirControls) {
    kind = GetParam();
    open();
    for (int element = 0; element < 2; ++element) {
        const QLabel& label = *dialog->findChild<QLabel*>(QStringLiteral("Conversionlabel%1").arg(element));
        EXPECT_LE(label.sizeHint().width(), label.width()) << label.text().toStdString();
        const QPushButton& push = button(element);
        const int textWidth = push.fontMetrics().horizontalAdvance(push.text().remove('&'));
        EXPECT_LT(textWidth, push.width()) << push.text().toStdString();
        EXPECT_TRUE(dialog->rect().contains(push.geometry()));
        EXPECT_TRUE(dialog->rect().contains(box(element).geometry()));
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ConversionformShowing,
                         ::testing::Values(ConversionKind::priceEarnings,
                                           ConversionKind::dividendYield),
                         [](const auto& info) { return info.index == 0 ? "Ratio" : "Yield"; });

// Each conversion gets a fresh dialog: nothing typed into the last one survives, and the
// kind is read when the dialog shows, not when it is made.
TEST_F(ConversionformTest, EachShowingStartsFresh) {
    open();
    fillBoth("12.5", "40");
    QTest::mouseClick(&button(1), Qt::LeftButton);
    dialog = std::make_unique<Conversionform>(target, kind, locale);
    target.dialog = dialog.get();
    kind = ConversionKind::dividendYield;
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    EXPECT_EQ(dialog->findChild<QLabel*>("Conversionlabel0")->text(), ConversionKind::dividendYield);
    EXPECT_EQ(box(0).text(), QString());
    EXPECT_EQ(box(1).text(), QString());
    EXPECT_EQ(focusName(), QStringLiteral("Conversionbox0"));
}

// --- Keyboard --------------------------------------------------------------------------------

// Tab runs price -> ratio -> "&OK" -> "&Close" -> price; the labels are skipped.
TEST_F(ConversionformTest, TabOrder) {
    open();
    QTest::mouseClick(&box(1), Qt::LeftButton);
    QStringList visited;
    for (int step = 0; step < 4; ++step) {
        press(Qt::Key_Tab);
        visited << focusName();
    }
    EXPECT_EQ(visited,
              QStringList({"Conversionbox0", "Thebutton0", "Thebutton1", "Conversionbox1"}));
}

struct EnterCase {
    const char* name;
    int from;
    Qt::Key key;
    const char* focusAfter;
};

class ConversionformEnter : public ConversionformTest,
                            public ::testing::WithParamInterface<EnterCase> {};

// State: both boxes hold a valid conversion. Action: Enter in a box. Expected: the focus
// moves on, the text is as typed, nothing is converted and the dialog stays.
TEST_P(ConversionformEnter, MovesOnWithoutConverting) {
    open();
    fillBoth("12.5", "40");
    QTest::mouseClick(&box(GetParam().from), Qt::LeftButton);
    press(GetParam().key);
    EXPECT_EQ(focusName(), QLatin1String(GetParam().focusAfter));
    EXPECT_EQ(box(0).text(), QStringLiteral("12.5"));
    EXPECT_EQ(box(1).text(), QStringLiteral("40"));
    EXPECT_EQ(target.calls, Calls{});
    EXPECT_TRUE(dialog->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ConversionformEnter,
    ::testing::Values(EnterCase{"PriceToRatio", 1, Qt::Key_Return, "Conversionbox0"},
                      EnterCase{"RatioToOk", 0, Qt::Key_Return, "Thebutton0"},
                      EnterCase{"KeypadEnter", 0, Qt::Key_Enter, "Thebutton0"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- "&OK" -----------------------------------------------------------------------------------

struct SuccessCase {
    const char* name;
    QString kind;
    QString rate;
    QString price;
    NumberLocale locale;
    Calls calls;
};

class ConversionformSuccess : public ConversionformTest,
                              public ::testing::WithParamInterface<SuccessCase> {};

// The worksheet learns the figure, gets the cell written and the editor emptied while the
// dialog is open; the editor gets the focus and the value is recalculated after it closed.
TEST_P(ConversionformSuccess, HandsTheFigureOverThenCloses) {
    kind = GetParam().kind;
    locale = GetParam().locale;
    open();
    fillBoth(GetParam().rate, GetParam().price);
    QTest::mouseClick(&button(0), Qt::LeftButton);
    EXPECT_EQ(target.calls, GetParam().calls);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConversionformSuccess,
    ::testing::Values(SuccessCase{"Ratio",
                                  ConversionKind::priceEarnings,
                                  "12.5",
                                  "40",
                                  {".", ","},
                                  {"store Earnings 3.2 open", "write Earnings 3.20 open",
                                   "empty open", "focus closed", "recalculate closed"}},
                      SuccessCase{"Yield",
                                  ConversionKind::dividendYield,
                                  "2.5",
                                  "40",
                                  {".", ","},
                                  {"store Dividends 1 open", "write Dividends 1.00 open",
                                   "empty open", "focus closed", "recalculate closed"}},
                      SuccessCase{"NegativeRatio",
                                  ConversionKind::priceEarnings,
                                  "-8",
                                  "1",
                                  {".", ","},
                                  {"store Earnings -0.125 open", "write Earnings -0.125 open",
                                   "empty open", "focus closed", "recalculate closed"}},
                      SuccessCase{"DecimalComma",
                                  ConversionKind::priceEarnings,
                                  "12,5",
                                  "40",
                                  {",", "."},
                                  {"store Earnings 3.2 open", "write Earnings 3,20 open",
                                   "empty open", "focus closed", "recalculate closed"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    QString kind;
    QString rate;
    QString price;
};

class ConversionformFailure : public ConversionformTest,
                              public ::testing::WithParamInterface<FailureCase> {};

// A conversion that cannot be made ends silently: nothing reaches the worksheet, the dialog
// stays open and keeps what the user typed.
TEST_P(ConversionformFailure, ChangesNothingAndStaysOpen) {
    kind = GetParam().kind;
    open();
    fillBoth(GetParam().rate, GetParam().price);
    QTest::mouseClick(&button(0), Qt::LeftButton);
    EXPECT_EQ(target.calls, Calls{});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(box(0).text(), GetParam().rate);
    EXPECT_EQ(box(1).text(), GetParam().price);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConversionformFailure,
    ::testing::Values(FailureCase{"EmptyPrice", ConversionKind::priceEarnings, "12.5", ""},
                      FailureCase{"EmptyRatio", ConversionKind::priceEarnings, "", "40"},
                      FailureCase{"RatioZero", ConversionKind::priceEarnings, "0", "40"},
                      FailureCase{"ZeroOverZero", ConversionKind::priceEarnings, "0", "0"},
                      FailureCase{"Letters", ConversionKind::dividendYield, "2.5", "forty"},
                      FailureCase{"BeyondSingle", ConversionKind::dividendYield, "1e30", "1e30"},
                      FailureCase{"KindInOtherCase", "p/e ratio", "12.5", "40"},
                      FailureCase{"NoKind", "", "12.5", "40"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Closing ---------------------------------------------------------------------------------

enum class CloseBy { Button, Escape, CloseBox };

class ConversionformClosing : public ConversionformTest,
                              public ::testing::WithParamInterface<CloseBy> {};

// Whichever way the dialog is closed, with a valid conversion typed, nothing is converted.
TEST_P(ConversionformClosing, ChangesNothing) {
    open();
    fillBoth("12.5", "40");
    switch (GetParam()) {
    case CloseBy::Button:
        QTest::mouseClick(&button(1), Qt::LeftButton);
        break;
    case CloseBy::Escape:
        press(Qt::Key_Escape);
        break;
    case CloseBy::CloseBox:
        dialog->windowHandle()->close();
        break;
    }
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(target.calls, Calls{});
}

std::string closeName(const ::testing::TestParamInfo<CloseBy>& info) {
    static const char* const names[] = {"Button", "Escape", "CloseBox"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Ways, ConversionformClosing,
                         ::testing::Values(CloseBy::Button, CloseBy::Escape, CloseBy::CloseBox),
                         closeName);

} // namespace
