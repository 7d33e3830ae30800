#include "OrvoCalRun.h"
#include "TestFiles.h"

#include <orvo/model/CalibrationFormula.h>
#include <orvo/model/MeasurementPoint.h>

#include <QDir>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace {

using orvo::test::jsonOf;
using orvo::test::orvoCal;
using orvo::test::ToolRun;

// A data line with the given date text and the values 1.5 .. 31.5.
QString dataLine(const QString& date, const QString& last = QStringLiteral("\tTrue")) {
    QStringList fields{date};
    for (int i = 1; i <= 31; ++i)
        fields << QString::number(i + 0.5);
    return fields.join('\t') + last;
}

QByteArray dataFile(const QStringList& lines) {
    return (orvo::MeasurementPoint::headerLine() + "\r\n" + lines.join("\r\n") + "\r\n").toLatin1();
}

class OrvoCal : public testing::Test {
protected:
    QString write(const QString& name, const QStringList& lines) {
        orvo::test::writeFile(m_dir.filePath(name), dataFile(lines));
        return m_dir.filePath(name);
    }

    QTemporaryDir m_dir;
};

// Usage errors exit with 2, runs that fail with 1; either way stderr names
// the fault, stdout stays empty and no file is left behind.
TEST_F(OrvoCal, BadInvocationsNameTheFaultAndWriteNothing) {
    const QString demo = QStringLiteral(ORVO_DEMO_DATA);
    const QString good = write("slashed.cal", {dataLine("3/7/2005 9:05:30")});
    const QString bad = write("bad.cal", {"2005-03-09 09:05:00\t1\t2\t3\t4\t5"});
    const QString dotted = write("dotted.cal", {dataLine("01.02.2005 08:00:00")});
    const QString out = m_dir.filePath("out.pdf");
    const auto fit = [&](const char* quantity, const char* variables, const char* grades) {
        return QStringList{"fit",         demo,      "--quantity", quantity,
                           "--variables", variables, "--grades",   grades};
    };
    const auto report = [&](const QString& file, const QStringList& more) {
        const QStringList run{"report",      file, "--quantity", "Cons",
                              "--variables", "2",  "--grades",   "1"};
        return run + more;
    };
    const std::tuple<QStringList, int, QString> cases[] = {
        {{}, 2, "usage: orvo-cal dump|canonical|fit|formula|report ..."},
        {{"nonsense"}, 2, "usage: orvo-cal "},
        {{"dump"}, 2, "orvo-cal dump: expected 1 argument(s), got 0"},
        {{"dump", good, "--bogus"}, 2, "bogus"},
        {{"dump", good, "--day-first", "maybe"}, 2, "--day-first takes yes or no"},
        {{"dump", dotted}, 2, "--day-first"},
        {{"canonical", bad, m_dir.filePath("never.cal")}, 1, bad + ", line 2: error 9: "},
        {{"canonical", good, m_dir.path()}, 1, m_dir.path() + ": error 75: "},
        {{"formula", m_dir.filePath("missing.par")}, 1, ": error 53: File not found: "},
        {{"fit", demo, "--variables", "1", "--grades", "1"}, 2, "--quantity is required"},
        {fit("Lab", "1", "1"), 2, "--quantity takes Cons, Ash, Res1 or Res2"},
        {fit("Ash", "6", "1"), 2, "--variables takes a number from 1 to 5"},
        {fit("Ash", "2", "3"), 2, "--grades takes 1, 2 or 1,2"},
        {fit("Cons", "1", "1") + QStringList{"--first", "0"}, 1,
         "--first and --last must give a range within points 1 to 200 (illegalValues)"},
        {fit("Ash", "5", "2") + QStringList{"--last", "7"}, 1,
         "too few points of the range and grades have a lab value for Ash to fit 5 variable(s) "
         "(noLabValues)"},
        {report(m_dir.filePath("missing.cal"), {"--output", out}), 1, "missing.cal"},
        {report(demo, {"--output", out, "--colour", "red"}), 2, "colour"},
        {report(demo, {}), 2, "--output is required"},
        {report(demo, {"--candidate", "99", "--output", out}), 2,
         "--candidate takes a number from 1 to "},
        {report(demo, {"--candidate", "0", "--output", out}), 2, "--candidate takes a number"},
        {report(demo, {"--output", m_dir.filePath("no/such/dir/out.pdf")}), 1, "out.pdf"},
    };
    const QStringList inputs =
        QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const auto& [arguments, exitCode, named] : cases) {
        const ToolRun run = orvoCal(arguments);
        SCOPED_TRACE(arguments.join(' ').toStdString());
        EXPECT_EQ(run.exitCode, exitCode);
        EXPECT_TRUE(run.err.contains(named)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), inputs);
    }
    const ToolRun help = orvoCal({"dump", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: orvo-cal dump"));
}

TEST_F(OrvoCal, DumpPrintsEveryFieldOfThePointsReadAndTheError) {
    const ToolRun run = orvoCal({"dump", write("a.cal", {dataLine("2005-03-07 09:05:00"),
                                                         dataLine("2005-03-06 10:00:00", "\tFalse"),
                                                         dataLine("2005-03-07")})});
    EXPECT_EQ(run.exitCode, 1);
    const QJsonValue json = jsonOf(run);
    EXPECT_EQ(json["pointCount"], 2);
    const QJsonObject first = json["points"][0].toObject();
    EXPECT_EQ(first.size(), 41);
    EXPECT_EQ(first["date"], "2005-03-07 09:05:00");
    EXPECT_DOUBLE_EQ(first["MeasurementDate"].toDouble(), 38418.378472222222);
    EXPECT_EQ(first["SIG15"], 21.5);
    EXPECT_EQ(first["OldLabCons"], 24.5);
    EXPECT_EQ(first["enabled"], true);
    EXPECT_EQ(first["modified"], false);
    EXPECT_EQ(json["points"][1]["enabled"], false);
    EXPECT_EQ(json["error"], (QJsonObject{{"number", 9},
                                          {"line", 4},
                                          {"description", "Subscript out of range: date "
                                                          "\"2005-03-07\" has no part 4"}}));

    const QString missing = m_dir.filePath("missing.cal");
    const ToolRun notFound = orvoCal({"dump", missing});
    EXPECT_EQ(notFound.exitCode, 1);
    EXPECT_EQ(jsonOf(notFound)["error"],
              (QJsonObject{{"number", 53},
                           {"line", QJsonValue()},
                           {"description", "File not found: " + missing}}));
}

TEST_F(OrvoCal, TheDayFirstOptionDecidesUndecidableDates) {
    const QString file = write("dotted.cal", {dataLine("01.02.2005 08:00:00")});
    for (const auto& [answer, date] :
         {std::pair{"yes", "2005-02-01 08:00:00"}, std::pair{"no", "2005-01-02 08:00:00"}}) {
        const ToolRun run = orvoCal({"dump", file, "--day-first", answer});
        EXPECT_EQ(run.exitCode, 0) << answer;
        EXPECT_TRUE(jsonOf(run)["error"].isNull()) << answer;
        EXPECT_EQ(jsonOf(run)["points"][0]["date"], date) << answer;
    }
}

TEST_F(OrvoCal, CanonicalWritesTheSavedForm) {
    const QString in = write("slashed.cal", {dataLine("3/7/2005 9:05:30", "")});
    const QString out = m_dir.filePath("out.cal");
    ASSERT_EQ(orvoCal({"canonical", in, out}).exitCode, 0);
    EXPECT_EQ(orvo::test::contentOf(out), dataFile({dataLine("2005-03-07 09:05:30")}));
}

TEST_F(OrvoCal, FormulaPrintsTextAndValidity) {
    orvo::CalibrationFormula formula; // Ash = 1.5 * SIG1 - 0.25 * SIG3 + 2
    std::tie(formula.formula, formula.a1, formula.a3, formula.b) =
        std::tuple(1, 1.5f, -0.25f, 2.0f);
    for (const auto& [grade, exitCode, validity] : {std::tuple{2, 0, "valid"}, {7, 1, "invalid"}}) {
        formula.Grade = static_cast<int16_t>(grade);
        formula.SaveFile(m_dir.filePath("f.par"));
        const ToolRun run = orvoCal({"formula", m_dir.filePath("f.par")});
        EXPECT_EQ(run.exitCode, exitCode);
        EXPECT_EQ(run.out, QByteArray("Ash = 1.5 * DLed  - 0.25 * SLed  + 2\n") + validity + "\n");
    }
}

} // namespace
