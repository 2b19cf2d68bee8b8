#include "WorksheetStartup.h"

#include "DrawingStrip.h"
#include "GridControl.h"
#include "HelpFilePath.h"
#include "ParameterCursor.h"
#include "ParameterRow.h"
#include "PlatformServices.h"
#include "ProgramRecords.h"
#include "Valkubeform.h"
#include "WorksheetLayout.h"
#include "YieldPicking.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>

namespace {

constexpr double outerWidth = 8550;
constexpr double outerHeight = 6900;

const char* const parameterTitles[] = {"Annual Earnings per Share", "Annual Dividends per Share",
                                       "Annual Growth Rate (%)", "Term (years)",
                                       "Target Yield (%)"};

const QString disclaimer =
    QStringLiteral("Do NOT make investment decisions based on this software program alone.  "
                   "Always use your own judgment and consult your investment advisor.\r\n");

} // namespace

WorksheetStartup::WorksheetStartup(Valkubeform& form, QWidget& frame) : form_(form), frame_(frame) {
    QObject::connect(&form_, &Valkubeform::activated, &form_, [this] { activate(); });
}

void WorksheetStartup::load() {
    setProgramTexts();
    setOuterSize();
    setHelpFile();
    placeWindow();
    fillParameterTitles();
    form_.yieldPicking().fillYieldList();
    writeDisclaimer();
    lineUpButtons();
    form_.setWindowTitle(form_.context().records.applicationTitle);
    showWorksheet();
    // Showing makes the worksheet the active window; the first activation must not wait
    // for a window manager that may never send the notice.
    activate();
}

void WorksheetStartup::activate() {
    // The pending events may close the frame, and the worksheet goes with its sub-window.
    const QPointer<Valkubeform> form(&form_);
    QCoreApplication::processEvents();
    if (form.isNull())
        return;
    ProgramRecords& records = form_.context().records;
    if (records.firstActivationDone)
        return;
    records.firstActivationDone = true;
    drawGrowthScale();
    drawTermScale();
    form_.Detailgrid().hide();
    form_.cursor().returnToFirstRow();
}

void WorksheetStartup::setProgramTexts() {
    ProgramRecords& records = form_.context().records;
    records.applicationTitle = QStringLiteral("Valmora v4.00");
    records.versionDate = QStringLiteral("(31-Oct-96)");
}

void WorksheetStartup::setOuterSize() {
    form_.setOuterSize(outerWidth, outerHeight);
}

void WorksheetStartup::setHelpFile() {
    const QFileInfo executable(form_.context().services.executablePath());
    form_.context().records.helpFile =
        helpFilePath(executable.absolutePath(), executable.completeBaseName(), '/');
}

// Centred across a screen wide enough for the window and a margin, else close to the edge;
// a fixed distance from the top unless the screen is too low for it.
void WorksheetStartup::placeWindow() {
    const QSizeF screen = form_.context().services.screenSizeTwips();
    const TwipsRect outer = form_.outerRect();
    const double left =
        screen.width() < outer.width + 600 ? 60 : (screen.width() - outer.width) / 2;
    const double top = screen.height() < outer.height + 900 ? 60 : 720;
    form_.setOuterPosition(left, top);
}

// Written through the current cell, as the grid offers it; program moves raise no reaction.
void WorksheetStartup::fillParameterTitles() {
    GridControl& grid = form_.Thegrid();
    grid.setColumnWidthTwips(0, 2160);
    grid.setColumnWidthTwips(1, 1440);
    grid.setRow(0);
    grid.setColumn(0);
    grid.setText(QStringLiteral("PARAMETERS:"));
    for (int row = ParameterRow::first; row <= ParameterRow::last; ++row) {
        grid.setRow(row);
        grid.setText(QString::fromLatin1(parameterTitles[row - ParameterRow::first]));
    }
    grid.setColumn(ParameterRow::valueColumn);
    grid.setRow(ParameterRow::first);
    form_.cursor().selectCell(ParameterRow::first, ParameterRow::valueColumn);
}

// The frame comes up maximised, so that the whole worksheet is seen on a common screen: its
// designed client area is narrower than the worksheet.
void WorksheetStartup::showWorksheet() {
    form_.show();
    frame_.showMaximized();
    frame_.activateWindow();
}

void WorksheetStartup::writeDisclaimer() {
    form_.Warningbox().setText(disclaimer);
}

// The buttons of each group close ranks; the help button ends flush with the grid.
void WorksheetStartup::lineUpButtons() {
    auto rightOf = [this](int element) {
        const TwipsRect rect = form_.buttonRect(element);
        return rect.left + rect.width;
    };
    form_.setButtonLeft(1, rightOf(0));
    form_.setButtonLeft(2, rightOf(1));
    form_.setButtonLeft(4, rightOf(3));
    const TwipsRect grid = WorksheetLayout::parameterGrid;
    form_.setButtonLeft(5, grid.left + grid.width - form_.buttonRect(5).width);
}

// Growth from 40 at the top down to 0, 120 twips a percent; a label every ten percent,
// each 40 below the tick drawn just before it.
void WorksheetStartup::drawGrowthScale() {
    DrawingStrip& strip = form_.Picture2();
    strip.setCurrentY(0);
    for (int i = 41; i >= 0; --i) {
        if (i != 41)
            strip.drawLine(QPointF(360, (41 - i) * 120), QPointF(120, 0), Qt::black);
        if ((i - 1) % 10 == 0) {
            strip.setCurrentX(60);
            strip.setCurrentY(strip.currentY() + 40);
            strip.writeNumber(i - 1);
        }
    }
}

// Years along the strip under the pad, 120 twips a year; a label every five years, written
// where the previous tick ended (the labels past the strip's width are cut off).
void WorksheetStartup::drawTermScale() {
    DrawingStrip& strip = form_.Picture3();
    strip.setCurrentX(0);
    for (int i = 1; i <= 20; ++i) {
        if (i % 5 == 0) {
            strip.setCurrentY(150);
            if (i < 10)
                strip.setCurrentX(strip.currentX() + 50);
            strip.writeNumber(i);
        }
        strip.drawLine(QPointF(540 + 120 * i, 0), QPointF(0, 120), Qt::black);
    }
}
