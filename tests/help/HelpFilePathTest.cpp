#include "app/HelpFilePath.h"

#include <gtest/gtest.h>

namespace {

struct HelpPathCase {
    const char* name;
    const char* folder;
    const char* baseName;
    char separator;
    const char* expected;
};

class HelpFilePath : public ::testing::TestWithParam<HelpPathCase> {};

TEST_P(HelpFilePath, JoinsFolderBaseNameAndEnding) {
    const HelpPathCase& c = GetParam();
    EXPECT_EQ(helpFilePath(QString::fromLatin1(c.folder), QString::fromLatin1(c.baseName),
                           QChar(c.separator)),
              QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Folders, HelpFilePath,
    ::testing::Values(
        HelpPathCase{"BackslashFolder", "C:\\VALUE", "Tarvin95", '\\', "C:\\VALUE\\Tarvin95.hlp"},
        HelpPathCase{"BackslashRoot", "C:\\", "Tarvin95", '\\', "C:\\Tarvin95.hlp"},
        HelpPathCase{"SlashFolder", "/opt/valmora/bin", "valmora", '/',
                     "/opt/valmora/bin/valmora.hlp"},
        HelpPathCase{"SlashRoot", "/", "valmora", '/', "/valmora.hlp"},
        HelpPathCase{"FolderEndingInSeparator", "/opt/", "valmora", '/', "/opt/valmora.hlp"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
