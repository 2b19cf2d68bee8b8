#include "app/HelpFileCheck.h"
#include "app/HelpFilePath.h"

#include <QFileInfo>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

// The guide as the build leaves it, found by the rule the program uses, read as the viewer
// reads it.
class HelpGuide : public ::testing::Test {
protected:
    void SetUp() override {
        const QFileInfo executable(QStringLiteral(VALMORA_EXECUTABLE));
        const QString path =
            helpFilePath(executable.absolutePath(), executable.completeBaseName(), '/');
        const HelpFileReading reading = readHelpFile(path);
        ASSERT_TRUE(reading.readable())
            << path.toStdString() << ": " << reading.problem.toStdString();
        document.setHtml(reading.text);
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                for (const QString& name : format.anchorNames())
                    anchors.insert(name);
                if (!format.anchorHref().isEmpty())
                    links.insert(format.anchorHref());
            }
        }
    }

    QTextDocument document;
    QSet<QString> anchors;
    QSet<QString> links;
};

// Every link leads to a place in the guide, and every place is reached by some link.
TEST_F(HelpGuide, LinksAndTopicsMatch) {
    ASSERT_TRUE(anchors.contains(QStringLiteral("contents")));
    for (const QString& link : links) {
        EXPECT_TRUE(link.startsWith(u'#') && anchors.contains(link.mid(1)))
            << "no place for " << link.toStdString();
    }
    for (const QString& anchor : anchors) {
        EXPECT_TRUE(anchor == QLatin1String("contents") || links.contains(u'#' + anchor))
            << "no link to " << anchor.toStdString();
    }
}

// Each text the program can show the user is explained, word for word.
TEST_F(HelpGuide, ExplainsEveryMessage) {
    const QString text = document.toPlainText();
    for (const char* message : {"Invalid entry", "Annual Earnings missing", "Yield missing",
                                "Term missing", "Missing or incorrect data", "(No dividends)",
                                "Are you sure you want to exit the system?", "cannot be shown",
                                "Not found", "not investment advice"}) {
        EXPECT_TRUE(text.contains(QLatin1String(message), Qt::CaseInsensitive)) << message;
    }
}

} // namespace
