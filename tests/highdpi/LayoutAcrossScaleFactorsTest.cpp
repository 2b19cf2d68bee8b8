// The fixed layout scales as a whole: at device pixel ratios 1.5 and 2 every control of the
// worksheet and of the conversions dialog stands where it stands at 1, in logical pixels (so
// nothing overlaps that does not overlap at 1), and the worksheet is painted at the full
// device resolution. Qt takes the scale factor at start-up, so each factor is a run of the
// layout probe of its own.

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <string>

namespace {

// The probe's report at `scaleFactor`: its first line is the device pixel ratio, the last
// the painted size; the rest must be the same at every factor.
struct Report {
    std::string ratio;
    std::string layout;
    std::string painted;
};

Report probe(const char* scaleFactor) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scaleFactor));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VALMORA_LAYOUT_PROBE), {});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << "the probe failed at factor " << scaleFactor << ": "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    lines.removeAll(QString());
    Report report;
    report.ratio = lines.takeFirst().toStdString();
    report.painted = lines.takeLast().toStdString();
    report.layout = lines.join(QLatin1Char('\n')).toStdString();
    return report;
}

class LayoutAcrossScaleFactors : public ::testing::TestWithParam<const char*> {};

// "painted W H" with both sizes multiplied by `ratio`.
std::string scaledBy(const std::string& painted, double ratio) {
    const QStringList words = QString::fromStdString(painted).split(QLatin1Char(' '));
    if (words.size() != 3)
        return "unreadable: " + painted;
    return QStringLiteral("painted %1 %2")
        .arg(qRound(words[1].toInt() * ratio))
        .arg(qRound(words[2].toInt() * ratio))
        .toStdString();
}

TEST_P(LayoutAcrossScaleFactors, EverythingStandsWhereItStandsAtOne) {
    static const Report atOne = probe("1");
    ASSERT_EQ(atOne.ratio, "ratio 1");
    ASSERT_GT(atOne.layout.size(), 1000u); // the worksheet and the dialog were found

    const Report scaled = probe(GetParam());
    EXPECT_EQ(scaled.ratio, std::string("ratio ") + GetParam());
    EXPECT_EQ(scaled.layout, atOne.layout);
    EXPECT_EQ(scaled.painted, scaledBy(atOne.painted, QString::fromLatin1(GetParam()).toDouble()));
}

INSTANTIATE_TEST_SUITE_P(Factors, LayoutAcrossScaleFactors, ::testing::Values("1.5", "2"),
                         [](const auto& info) {
                             return std::string(info.param) == "2" ? "Two" : "OneAndAHalf";
                         });

} // namespace
