#include "OrvoCalRun.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QStringList demoReport{"report", ORVO_DEMO_DATA, "--quantity", "Cons", "--variables",
                             "2",      "--grades",     "1"};

// Each failure names what is wrong, leaves no file behind and exits as the
// other commands do.
TEST(ReportCommand, BadInputIsReportedAndWritesNothing) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("report.pdf"));
    const QString unwritable = dir.filePath(QStringLiteral("no/such/dir/report.pdf"));
    const struct {
        QStringList arguments;
        int exitCode;
        QString named;
    } cases[] = {
        {{"report", dir.filePath("missing.cal"), "--quantity", "Cons", "--variables", "2",
          "--grades", "1", "--output", out},
         1,
         "missing.cal"},
        {demoReport + QStringList{"--output", out, "--colour", "red"}, 2, "colour"},
        {demoReport, 2, "--output"},
        {demoReport + QStringList{"--candidate", "99", "--output", out}, 2, "--candidate"},
        {demoReport + QStringList{"--candidate", "x", "--output", out}, 2, "--candidate"},
        {demoReport + QStringList{"--output", unwritable}, 1, "report.pdf"},
    };
    for (const auto& c : cases) {
        const orvo::test::ToolRun run = orvo::test::orvoCal(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.named)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(out) || QFile::exists(unwritable));
    }
}

} // namespace
