#include "ProgramIcon.h"

QIcon programIcon() {
    return QIcon(QStringLiteral(":/icons/valmora.svg"));
}
