#include "mainwin/widgets.h"
#include "tests/mainwin/window_fixture.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace lumina::test {
namespace {

TEST(WrapTip, BreaksLongLinesAndKeepsItsOwnBreaks) {
    App();
    const QFontMetrics metrics(QApplication::font());
    const QString longLine = QString(80, QChar(u'黒'));
    const QString wrapped = WrapTip(longLine + QStringLiteral("\nshort"), metrics, 512);
    const QStringList lines = wrapped.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.back(), QStringLiteral("short"));
    for (const QString& line : lines)
        EXPECT_LE(metrics.horizontalAdvance(line), 512) << line.size();
    EXPECT_EQ(QString(wrapped).remove(QLatin1Char('\n')), longLine + QStringLiteral("short"));
    EXPECT_EQ(WrapTip(QStringLiteral("a\nb"), metrics, 512), QStringLiteral("a\nb"));
}

TEST(SpinField, TypingDoesNotStepAndArrowsReportTheirStep) {
    App();
    SpinField spin(nullptr);
    std::vector<int> steps;
    spin.SetOnStep([&](int step) { steps.push_back(step); });
    spin.Field()->setText(QStringLiteral("abc"));
    EXPECT_TRUE(steps.empty());
    spin.UpButton()->click();
    spin.DownButton()->click();
    EXPECT_EQ(steps, (std::vector<int>{1, -1}));
    spin.SetValue(42);
    EXPECT_EQ(spin.Field()->text(), QStringLiteral("42"));
}

} // namespace
} // namespace lumina::test
