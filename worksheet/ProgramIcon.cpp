#include "ProgramIcon.h"

#include <QImage>
#include <QImageReader>
#include <QPixmap>

#include <array>

QIcon programIcon() {
    // Decoded here rather than named by path: a path would have Qt ask its icon and image
    // plug-ins which of them reads the file, which costs more than the tiny PNGs themselves.
    static constexpr std::array sizes{16, 22, 24, 32, 48, 64, 128};
    QIcon icon;
    for (int size : sizes) {
        QImageReader reader(QStringLiteral(":/icons/%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
