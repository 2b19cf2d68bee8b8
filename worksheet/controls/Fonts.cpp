#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// Asked once: the installed fonts do not change while the program runs. A family that is
// not installed is left out rather than tried first on every lookup, where the font
// matching would look for stand-ins for it before it reached the next family.
const QStringList& worksheetFamilies() {
    static const QStringList families = [] {
        QStringList installed;
        const QString original = QStringLiteral("MS Sans Serif");
        if (QFontDatabase::families().contains(original, Qt::CaseInsensitive))
            installed << original;
        installed << QStringLiteral("Liberation Sans") << QStringLiteral("Arimo")
                  << QStringLiteral("DejaVu Sans") << QStringLiteral("sans-serif");
        return installed;
    }();
    return families;
}

} // namespace

QFont worksheetFont(double pointSize, bool bold) {
    QFont font;
    font.setFamilies(worksheetFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
