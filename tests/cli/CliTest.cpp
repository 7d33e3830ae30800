#include "OrvoCalRun.h"

#include <orvo/model/CalibrationFormula.h>
#include <orvo/model/MeasurementPoint.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace {

using orvo::test::orvoCal;
using orvo::test::ToolRun;

// A data line with the given date text and the values 1.5 .. 31.5.
QString dataLine(const QString& date, const QString& last = QStringLiteral("\tTrue")) {
    QStringList fields{date};
    for (int i = 1; i <= 31; ++i)
        fields << QString::number(i + 0.5);
    return fields.join('\t') + last;
}

QJsonValue jsonOf(const ToolRun& run) {
    return QJsonDocument::fromJson(run.out).object();
}

class OrvoCal : public testing::Test {
protected:
    // A data file of the given lines under the header.
    QString write(const QString& name, const QStringList& lines) {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write((orvo::MeasurementPoint::headerLine() + "\r\n" + lines.join("\r\n") + "\r\n")
                       .toLatin1());
        return file.fileName();
    }

    QTemporaryDir m_dir;
};

TEST_F(OrvoCal, WrongUsageExitsWith2) {
    const QStringList wrong[] = {{},
                                 {"nonsense"},
                                 {"dump"},
                                 {"dump", "a.cal", "--bogus"},
                                 {"dump", "a.cal", "--day-first", "maybe"}};
    for (const QStringList& arguments : wrong) {
        const ToolRun run = orvoCal(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << arguments.join(' ').toStdString();
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

TEST_F(OrvoCal, UndecidableDatesNeedTheDayFirstOption) {
    const QString file = write("dotted.cal", {dataLine("01.02.2005 08:00:00")});
    const ToolRun undecided = orvoCal({"dump", file});
    EXPECT_EQ(undecided.exitCode, 2);
    EXPECT_TRUE(undecided.err.contains("--day-first"));
    EXPECT_TRUE(undecided.out.isEmpty());
    for (const auto& [answer, date] :
         {std::pair{"yes", "2005-02-01 08:00:00"}, std::pair{"no", "2005-01-02 08:00:00"}}) {
        const ToolRun run = orvoCal({"dump", file, "--day-first", answer});
        EXPECT_EQ(run.exitCode, 0) << answer;
        EXPECT_TRUE(jsonOf(run)["error"].isNull()) << answer;
        EXPECT_EQ(jsonOf(run)["points"][0]["date"], date) << answer;
    }
}

TEST_F(OrvoCal, CanonicalWritesTheSavedFormAndNothingOnFailure) {
    const QString file = write("slashed.cal", {dataLine("3/7/2005 9:05:30", "")});
    const QString out = m_dir.filePath("out.cal");
    ASSERT_EQ(orvoCal({"canonical", file, out}).exitCode, 0);
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), (orvo::MeasurementPoint::headerLine() + "\r\n" +
                                  dataLine("2005-03-07 09:05:30") + "\r\n")
                                     .toLatin1());

    const QString bad = write("bad.cal", {"2005-03-09 09:05:00\t1\t2\t3\t4\t5"});
    const ToolRun failed = orvoCal({"canonical", bad, m_dir.filePath("never.cal")});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.contains(bad + ", line 2: error 9: "));
    EXPECT_FALSE(QFile::exists(m_dir.filePath("never.cal")));
    EXPECT_EQ(orvoCal({"canonical", file, m_dir.path()}).exitCode, 1);
}

TEST_F(OrvoCal, FormulaPrintsTextAndValidity) {
    orvo::CalibrationFormula formula;
    formula.formula = 1;
    formula.a1 = 1.5f;
    formula.a3 = -0.25f;
    formula.b = 2;
    for (const auto& [grade, exitCode, validity] : {std::tuple{2, 0, "valid"}, {7, 1, "invalid"}}) {
        formula.Grade = static_cast<int16_t>(grade);
        formula.SaveFile(m_dir.filePath("f.par"));
        const ToolRun run = orvoCal({"formula", m_dir.filePath("f.par")});
        EXPECT_EQ(run.exitCode, exitCode);
        EXPECT_EQ(run.out, QByteArray("Ash = 1.5 * DLed  - 0.25 * SLed  + 2\n") + validity + "\n");
    }
    const ToolRun missing = orvoCal({"formula", m_dir.filePath("missing.par")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(": error 53: File not found: "));
}

} // namespace
