#include "Fonts.h"

#include <QStringList>

QFont worksheetFont(double pointSize, bool bold) {
    QFont font;
    font.setFamilies({"MS Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans", "sans-serif"});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
