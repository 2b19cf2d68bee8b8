#include "ProgramIcon.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

QIcon programIcon() {
    QIcon icon;
    // Every size the resources hold (resources/CMakeLists.txt names them). Each is decoded
    // here as a PNG rather than named by path: a path would have Qt ask its icon and image
    // plug-ins which of them reads the file, which costs more than the tiny PNGs themselves.
    const QDir folder(QStringLiteral(":/icons"));
    for (const QString& name : folder.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        QImageReader reader(folder.filePath(name), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
