#include "HelpFilePath.h"

QString helpFilePath(const QString& folder, const QString& baseName, QChar separator) {
    QString path = folder;
    if (!path.endsWith(separator))
        path += separator;
    return path + baseName + QStringLiteral(".hlp");
}
