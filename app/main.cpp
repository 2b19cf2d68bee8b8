#include "DisplayCheck.h"
#include "FirstPaintReport.h"
#include "ProgramIcon.h"
#include "QtPlatformServices.h"
#include "Valkubeform.h"
#include "ValmoraProgram.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    exitCleanlyWithoutDisplay("valmora");
    QApplication application(argc, argv);
    restoreQtMessages();
    QApplication::setApplicationName(QStringLiteral("Valmora"));
    QApplication::setDesktopFileName(QStringLiteral("org.valmora.Valmora"));
    // Every window of the program carries the icon, the dialogs and message boxes too.
    QApplication::setWindowIcon(programIcon());

    QtPlatformServices services;
    ValmoraProgram program(services);
    reportFirstPaintIfAsked(program.worksheet());
    program.start();
    return QApplication::exec();
}
