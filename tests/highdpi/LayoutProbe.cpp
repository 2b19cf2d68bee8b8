// valmora-layout-probe: starts the program on the offscreen platform, as the environment
// sets it up (QT_SCALE_FACTOR among others), and prints where everything ended up, in
// logical pixels, one item a line:
//   ratio R                            the worksheet's device pixel ratio (always first)
//   control WINDOW/NAME X Y W H SHOWN  each named control, in its window's coordinates
//   hint I X Y W H                     the hint box after the pointer moved over button I
//   text STRIP X Y                     where each number of a scale strip is written
//   painted W H                        the worksheet painted, in device pixels (always last)
// The layout tests run it at several scale factors and compare.

#include "worksheet/CommandButtons.h"
#include "conversions/ConversionKind.h"
#include "conversions/Conversionform.h"
#include "worksheet/controls/DrawingStrip.h"
#include "worksheet/controls/HoverLabel.h"
#include "tests/support/RecordingPlatformServices.h"
#include "tests/support/WorksheetSteps.h"
#include "worksheet/Valkubeform.h"
#include "app/ValmoraProgram.h"
#include "app/WorksheetConversionTarget.h"

#include <QApplication>
#include <QTextStream>

namespace {

QTextStream out(stdout);

void printRect(const QString& label, const QRect& rect) {
    out << label << ' ' << rect.x() << ' ' << rect.y() << ' ' << rect.width() << ' '
        << rect.height();
}

// The named widgets inside `window`, in the window's coordinates.
void printControls(const QString& windowName, QWidget& window) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        printRect(QStringLiteral("control %1/%2").arg(windowName, name),
                  QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size()));
        out << ' ' << (widget->isVisibleTo(&window) ? 1 : 0) << '\n';
    }
}

void printStripTexts(const QString& name, const DrawingStrip& strip) {
    for (const DrawingStrip::TextRecord& text : strip.texts()) {
        const QPointF at = strip.twipsScale().toPixelsF(text.topLeft);
        out << "text " << name << ' ' << at.x() << ' ' << at.y() << '\n';
    }
}

void printHints(Valkubeform& form) {
    for (int element = CommandButtons::Clear; element <= CommandButtons::Help; ++element) {
        WorksheetSteps::hoverButton(form, element);
        printRect(QStringLiteral("hint %1").arg(element), form.controls().Yellowbox.geometry());
        out << '\n';
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    RecordingPlatformServices services(QSizeF(12000, 9000),
                                       QStringLiteral("/opt/valmora/bin/valmora"));
    ValmoraProgram program(services);
    program.start();
    QCoreApplication::processEvents();
    Valkubeform& form = program.worksheet();

    out << "ratio " << form.devicePixelRatioF() << '\n';
    printControls(QStringLiteral("Valkubeform"), form);
    printHints(form);
    printStripTexts(QStringLiteral("Picture2"), form.controls().Picture2);
    printStripTexts(QStringLiteral("Picture3"), form.controls().Picture3);

    // The longer of the two kind texts.
    program.records().conversionKind = ConversionKind::dividendYield;
    WorksheetConversionTarget target(form, program.valuation());
    Conversionform dialog(target, program.records().conversionKind, program.locale());
    dialog.show();
    QCoreApplication::processEvents();
    printControls(QStringLiteral("Conversionform"), dialog);
    const QPixmap painted = form.grab();
    out << "painted " << painted.width() << ' ' << painted.height() << '\n';
    out.flush();
    return 0;
}
