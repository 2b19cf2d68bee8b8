#include "worksheet/controls/Fonts.h"

#include <QFontInfo>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// The families the worksheet asks for, the original face first, whether installed or not.
QFont requestedFont(double pointSize, bool bold) {
    QFont font;
    font.setFamilies(QStringList() << "MS Sans Serif"
                                   << "Liberation Sans"
                                   << "Arimo"
                                   << "DejaVu Sans"
                                   << "sans-serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

struct FontCase {
    double pointSize;
    bool bold;
};

class WorksheetFontFace : public ::testing::TestWithParam<FontCase> {};

// Families that are not installed are left out of the worksheet's font; the face the user
// sees must be the one the full list of families resolves to.
TEST_P(WorksheetFontFace, SameFaceAsTheFullListOfFamilies) {
    const FontCase c = GetParam();
    const QFont font = worksheetFont(c.pointSize, c.bold);
    const QFontInfo shown(font);
    const QFontInfo expected(requestedFont(c.pointSize, c.bold));
    EXPECT_EQ(shown.family(), expected.family());
    EXPECT_EQ(shown.bold(), expected.bold());
    EXPECT_DOUBLE_EQ(shown.pointSizeF(), expected.pointSizeF());
}

INSTANTIATE_TEST_SUITE_P(Sizes, WorksheetFontFace,
                         ::testing::Values(FontCase{8.25, false}, FontCase{8.25, true},
                                           FontCase{9.75, true}));

} // namespace
