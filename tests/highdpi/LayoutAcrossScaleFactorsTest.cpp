// The fixed layout scales as a whole: at device pixel ratios 1.5 and 2 every control stands
// where it stands at 1, in logical pixels, and nothing overlaps that does not overlap at 1.
// Each ratio needs a process of its own (Qt takes the scale factor at start-up), so the
// layout probe is run once per factor.

#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QStringList>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct Control {
    QRect rect;
    bool shown = false;
};

struct Layout {
    double ratio = 0.0;
    std::map<std::string, Control> controls; // "Window/Name"
    std::vector<std::string> details;        // hints and scale texts, one line each
    QSize grab;
};

Layout probe(const QString& scaleFactor) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scaleFactor);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VALMORA_LAYOUT_PROBE), {});
    Layout layout;
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << "the probe failed at factor " << scaleFactor.toStdString() << ": "
                      << process.readAllStandardError().toStdString();
        return layout;
    }
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QStringList words = line.split(QLatin1Char(' '));
        if (words[0] == QLatin1String("ratio")) {
            layout.ratio = words[1].toDouble();
        } else if (words[0] == QLatin1String("control") && words.size() == 7) {
            layout.controls[words[1].toStdString()] = {
                QRect(words[2].toInt(), words[3].toInt(), words[4].toInt(), words[5].toInt()),
                words[6] == QLatin1String("1")};
        } else if (words[0] == QLatin1String("grab")) {
            layout.grab = QSize(words[1].toInt(), words[2].toInt());
        } else {
            layout.details.push_back(line.toStdString());
        }
    }
    return layout;
}

std::string windowOf(const std::string& control) {
    return control.substr(0, control.find('/'));
}

// Pairs of shown controls of one window whose rectangles share a pixel.
std::set<std::pair<std::string, std::string>> overlaps(const Layout& layout) {
    std::set<std::pair<std::string, std::string>> found;
    for (const auto& [first, a] : layout.controls) {
        for (const auto& [second, b] : layout.controls) {
            if (first < second && a.shown && b.shown && windowOf(first) == windowOf(second) &&
                a.rect.intersects(b.rect))
                found.insert({first, second});
        }
    }
    return found;
}

const Layout& atFactorOne() {
    static const Layout layout = probe(QStringLiteral("1"));
    return layout;
}

class LayoutAcrossScaleFactors : public ::testing::TestWithParam<const char*> {};

TEST_P(LayoutAcrossScaleFactors, ControlsStandWhereTheyStandAtOne) {
    const Layout& reference = atFactorOne();
    ASSERT_EQ(reference.ratio, 1.0);
    ASSERT_GT(reference.controls.size(), 30u); // the worksheet and the dialog were found
    const Layout scaled = probe(QString::fromLatin1(GetParam()));
    EXPECT_EQ(scaled.ratio, QString::fromLatin1(GetParam()).toDouble());

    ASSERT_EQ(scaled.controls.size(), reference.controls.size());
    for (const auto& [name, control] : reference.controls) {
        const auto at = scaled.controls.find(name);
        ASSERT_NE(at, scaled.controls.end()) << name;
        EXPECT_EQ(at->second.rect, control.rect) << name;
        EXPECT_EQ(at->second.shown, control.shown) << name;
    }
    // The hint's width and the scales' numbers follow the text's size in the font.
    EXPECT_EQ(scaled.details, reference.details);
    // Painted at the full device resolution.
    EXPECT_EQ(scaled.grab, reference.grab * scaled.ratio);
}

TEST_P(LayoutAcrossScaleFactors, NothingOverlapsThatDoesNotAtOne) {
    const Layout scaled = probe(QString::fromLatin1(GetParam()));
    const auto reference = overlaps(atFactorOne());
    for (const auto& pair : overlaps(scaled))
        EXPECT_EQ(reference.count(pair), 1u) << pair.first << " now overlaps " << pair.second;
}

INSTANTIATE_TEST_SUITE_P(Factors, LayoutAcrossScaleFactors, ::testing::Values("1.5", "2"),
                         [](const auto& info) {
                             return std::string(info.param == std::string("2") ? "Two"
                                                                               : "OneAndAHalf");
                         });

} // namespace
