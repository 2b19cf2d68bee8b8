#include "WorksheetStartup.h"

#include "HelpFilePath.h"
#include "app/ProgramVersion.h"
#include "ProgramRecords.h"
#include "worksheet/ParameterCursor.h"
#include "worksheet/PlatformServices.h"
#include "worksheet/StartupDrawing.h"
#include "worksheet/Valkubeform.h"
#include "worksheet/YieldPicking.h"
#include "worksheet/controls/GridControl.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

namespace {

constexpr double outerWidth = 8550;
constexpr double outerHeight = 6900;

} // namespace

WorksheetStartup::WorksheetStartup(Valkubeform& form, QWidget& frame, ProgramRecords& records,
                                   PlatformServices& services)
    : form_(form), frame_(frame), records_(records), services_(services) {
    QObject::connect(&form_, &Valkubeform::activated, &form_, [this] { activate(); });
}

void WorksheetStartup::load() {
    const WorksheetControls& controls = form_.controls();
    setProgramTexts();
    setOuterSize();
    setHelpFile();
    placeWindow();
    StartupDrawing::fillParameterTitles(controls.Thegrid, form_.cursor());
    form_.yieldPicking().fillYieldList();
    StartupDrawing::writeDisclaimer(controls.Warningbox);
    StartupDrawing::lineUpButtons(controls);
    form_.setWindowTitle(records_.applicationTitle);
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
    if (records_.firstActivationDone)
        return;
    records_.firstActivationDone = true;
    const WorksheetControls& controls = form_.controls();
    StartupDrawing::drawGrowthScale(controls.Picture2);
    StartupDrawing::drawTermScale(controls.Picture3);
    controls.Detailgrid.hide();
    form_.cursor().returnToFirstRow();
}

void WorksheetStartup::setProgramTexts() {
    records_.applicationTitle = QStringLiteral("Valmora v%1").arg(programVersion);
    records_.versionDate = QString::fromLatin1(programVersionDate);
}

void WorksheetStartup::setOuterSize() {
    form_.setOuterSize(outerWidth, outerHeight);
}

void WorksheetStartup::setHelpFile() {
    const QFileInfo executable(services_.executablePath());
    records_.helpFile = helpFilePath(executable.absolutePath(), executable.completeBaseName(), '/');
}

// Centred across a screen wide enough for the window and a margin, else close to the edge;
// a fixed distance from the top unless the screen is too low for it.
void WorksheetStartup::placeWindow() {
    const QSizeF screen = services_.screenSizeTwips();
    const TwipsRect outer = form_.outerRect();
    const double left =
        screen.width() < outer.width + 600 ? 60 : (screen.width() - outer.width) / 2;
    const double top = screen.height() < outer.height + 900 ? 60 : 720;
    form_.setOuterPosition(left, top);
}

// The frame comes up maximised, so that the whole worksheet is seen on a common screen: its
// designed client area is narrower than the worksheet.
void WorksheetStartup::showWorksheet() {
    form_.show();
    frame_.showMaximized();
    frame_.activateWindow();
}
