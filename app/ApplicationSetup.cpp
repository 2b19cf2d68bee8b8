#include "ApplicationSetup.h"

#include "ProgramIcon.h"
#include "WorkspaceStyle.h"

#include <QApplication>

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Valmora"));
    QApplication::setDesktopFileName(QStringLiteral("org.valmora.Valmora"));
    QApplication::setStyle(new WorkspaceStyle);
    // Every window of the program carries the icon, the dialogs and message boxes too.
    QApplication::setWindowIcon(programIcon());
}
