#include "app/HelpFileCheck.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QString withBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

// Whatever sits under the help file's name, only HTML text passes, and the reason says why;
// a pipe is refused without waiting for a writer.
TEST(HelpFileCheck, RefusesUnfitFilesWithTheirReason) {
    QTemporaryDir folder;
    const QString pipe = folder.filePath("pipe.hlp");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QByteArray binary("\x7f"
                            "ELF\x02\x00\xff\xfe",
                            8);
    const struct {
        QString path;
        const char* reason;
    } cases[] = {
        {folder.filePath("none.hlp"), "does not exist"},
        {folder.path(), "folder"},
        {pipe, "not an ordinary file"},
        {withBytes(folder.filePath("blank.hlp"), " \n\t\n"), "empty"},
        {withBytes(folder.filePath("binary.hlp"), binary), "not a help file"},
        {withBytes(folder.filePath("plain.hlp"), "No markup."), "not a help file"},
        {withBytes(folder.filePath("large.hlp"), "<html>" + QByteArray(9 << 20, 'x')), "too large"},
    };
    for (const auto& c : cases) {
        const QString problem = readHelpFile(c.path).problem;
        EXPECT_TRUE(problem.contains(QLatin1String(c.reason)))
            << c.path.toStdString() << ": " << problem.toStdString();
    }
}

TEST(HelpFileCheck, UnreadableFileSaysItCannotBeRead) {
    QTemporaryDir folder;
    const QString path = withBytes(folder.filePath("valmora.hlp"), "<html><p>guide</p></html>");
    ::chmod(QFile::encodeName(path).constData(), 0);
    if (QFile(path).open(QIODevice::ReadOnly))
        GTEST_SKIP() << "this user reads files without read permission";
    EXPECT_TRUE(readHelpFile(path).problem.contains("cannot be read"));
}

} // namespace
