#pragma once

#include <QChar>
#include <QString>

// The help file sits beside the executable and carries its base name: the folder, one
// separator (unless the folder already ends in one), the base name and ".hlp".
QString helpFilePath(const QString& folder, const QString& baseName, QChar separator);
