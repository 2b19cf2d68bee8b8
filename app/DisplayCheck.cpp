#include "DisplayCheck.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* displayProgramName = "valmora";
QtMessageHandler previousHandler = nullptr;

void startupMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "%s: cannot open a window: no display could be reached (is DISPLAY set?)\n",
                     displayProgramName);
        std::_Exit(1);
    }
    // The platform plugin's own complaints precede its fatal message; keep them quiet.
    if (context.category != nullptr && std::strncmp(context.category, "qt.qpa", 6) == 0)
        return;
    if (previousHandler != nullptr)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

void exitCleanlyWithoutDisplay(const char* programName) {
    displayProgramName = programName;
    previousHandler = qInstallMessageHandler(startupMessageHandler);
}

void restoreQtMessages() {
    qInstallMessageHandler(previousHandler);
}
