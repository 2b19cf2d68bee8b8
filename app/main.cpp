#include "ApplicationSetup.h"
#include "DisplayCheck.h"
#include "app/probe/FirstPaintReport.h"
#include "FontConfigurationWarmUp.h"
#include "QtPlatformServices.h"
#include "worksheet/Valkubeform.h"
#include "ValmoraProgram.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    exitCleanlyWithoutDisplay("valmora");
    FontConfigurationWarmUp fonts;
    QApplication application(argc, argv);
    restoreQtMessages();
    setUpApplication();

    fonts.finish();
    QtPlatformServices services;
    ValmoraProgram program(services);
    reportFirstPaintIfAsked(program.worksheet());
    program.start();
    return QApplication::exec();
}
