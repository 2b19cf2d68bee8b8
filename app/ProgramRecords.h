#pragma once

#include "app/ProgramVersion.h"

#include <QString>

// The process-wide texts and flags that start-up writes and the menus and dialogs read.
// One instance, owned by the application object.
struct ProgramRecords {
    QString applicationTitle;
    QString versionDate;
    bool firstActivationDone = false;
    QString helpFile;
    QString conversionKind;
};

// The title the platform knows the program by; message boxes without a title of their own
// carry it. It differs from the worksheet caption on purpose.
inline const QString programTitle = QStringLiteral("Valmora v%1").arg(programTitleVersion);
