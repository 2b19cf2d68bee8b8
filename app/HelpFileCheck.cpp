#include "HelpFileCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextDocument>

namespace {

// Far beyond any guide; a larger file is a mistake, and reading it would stall the viewer.
constexpr qint64 largestHelpFile = qint64{8} * 1024 * 1024;

HelpFileReading problem(const QString& reason) {
    return HelpFileReading{QString(), reason};
}

} // namespace

HelpFileReading readHelpFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return problem(QStringLiteral("it does not exist"));
    if (info.isDir())
        return problem(QStringLiteral("it is a folder, not a file"));
    if (!info.isFile())
        return problem(QStringLiteral("it is not an ordinary file"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return problem(QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
    const QByteArray bytes = file.read(largestHelpFile + 1);
    if (file.error() != QFileDevice::NoError)
        return problem(QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
    if (bytes.size() > largestHelpFile)
        return problem(QStringLiteral("it is too large to be a help file"));
    if (bytes.trimmed().isEmpty())
        return problem(QStringLiteral("it is empty"));

    // The guide is UTF-8 HTML; binary garbage shows as bad UTF-8, NUL characters or no markup.
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError() || text.contains(QChar(u'\0')) || !Qt::mightBeRichText(text))
        return problem(QStringLiteral("it is not a help file (it holds no readable HTML)"));
    return HelpFileReading{text, QString()};
}
