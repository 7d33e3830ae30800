#include "OrvoCalRun.h"
#include "model/CalibrationFormula.h"
#include "model/MeasurementPoint.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using orvo::test::orvoCal;
using orvo::test::ToolRun;

QString dataLine(const QString& date, const QString& last = QStringLiteral("\tTrue")) {
    QStringList fields{date};
    for (int i = 1; i <= 31; ++i)
        fields << QString::number(i + 0.5);
    return fields.join(QLatin1Char('\t')) + last;
}

class OrvoCal : public testing::Test {
protected:
    QString write(const QString& name, const QStringList& dataLines) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        QString text = orvo::MeasurementPoint::headerLine() + QStringLiteral("\r\n");
        for (const QString& line : dataLines)
            text += line + QStringLiteral("\r\n");
        file.write(text.toLatin1());
        return path;
    }
    QByteArray contentOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

TEST_F(OrvoCal, WrongUsageExitsWith2) {
    const QStringList wrong[] = {{},
                                 {"fit", "x.cal"},
                                 {"nonsense"},
                                 {"dump"},
                                 {"dump", "a.cal", "b.cal"},
                                 {"dump", "a.cal", "--day-first", "maybe"},
                                 {"dump", "a.cal", "--bogus"},
                                 {"canonical", "a.cal"},
                                 {"formula"}};
    for (const QStringList& arguments : wrong) {
        const ToolRun run = orvoCal(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << arguments.join(' ').toStdString();
    }
    const ToolRun help = orvoCal({"dump", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: orvo-cal dump"));
}

TEST_F(OrvoCal, DumpPrintsEveryFieldOfEveryPoint) {
    const QString file = write(
        "a.cal", {dataLine("2005-03-08 10:00:00", "\tFalse"), dataLine("2005-03-07 09:05:00")});
    const ToolRun run = orvoCal({"dump", file});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_TRUE(json.value("error").isNull());
    EXPECT_EQ(json.value("pointCount").toInt(), 2);
    const QJsonArray points = json.value("points").toArray();
    ASSERT_EQ(points.size(), 2);
    const QJsonObject first = points[0].toObject();
    EXPECT_EQ(first.size(), 41);
    EXPECT_EQ(first.value("date").toString(), "2005-03-07 09:05:00");
    EXPECT_DOUBLE_EQ(first.value("MeasurementDate").toDouble(), 38418.378472222222);
    EXPECT_EQ(first.value("SIG1").toDouble(), 1.5);
    EXPECT_EQ(first.value("SIG15").toDouble(), 21.5);
    EXPECT_EQ(first.value("OldLabCons").toDouble(), 24.5);
    EXPECT_EQ(first.value("line").toDouble(), 31.5);
    EXPECT_EQ(first.value("enabled"), QJsonValue(true));
    EXPECT_EQ(first.value("modified"), QJsonValue(false));
    EXPECT_EQ(points[1].toObject().value("enabled"), QJsonValue(false));
}

TEST_F(OrvoCal, DumpReportsReadErrorsWithThePointsKept) {
    const QString file =
        write("bad.cal", {dataLine("2005-03-08 10:00:00"), dataLine("2005-03-07 09:05:00"),
                          QStringLiteral("2005-03-09 09:05:00\t1\t2\t3\t4\t5")});
    const ToolRun run = orvoCal({"dump", file});
    EXPECT_EQ(run.exitCode, 1);
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json.value("pointCount").toInt(), 2);
    const QJsonObject error = json.value("error").toObject();
    EXPECT_EQ(error.value("number").toInt(), 9);
    EXPECT_EQ(error.value("line").toInt(), 4);
    EXPECT_FALSE(error.value("description").toString().isEmpty());

    const ToolRun missing = orvoCal({"dump", m_dir.filePath("missing.cal")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(
        QJsonDocument::fromJson(missing.out).object().value("error").toObject().value("number"),
        QJsonValue(53));
}

TEST_F(OrvoCal, UndecidableDatesNeedTheDayFirstOption) {
    const QString file =
        write("dotted.cal", {dataLine("01.02.2005 08:00:00"), dataLine("02.03.2005 08:00:00")});
    const ToolRun undecided = orvoCal({"dump", file});
    EXPECT_EQ(undecided.exitCode, 2);
    EXPECT_TRUE(undecided.err.contains("--day-first"));
    EXPECT_TRUE(undecided.out.isEmpty());

    const struct {
        const char* answer;
        const char* date;
    } cases[] = {{"yes", "2005-02-01 08:00:00"}, {"no", "2005-01-02 08:00:00"}};
    for (const auto& c : cases) {
        const ToolRun run = orvoCal({"dump", file, "--day-first", c.answer});
        ASSERT_EQ(run.exitCode, 0) << c.answer;
        const QJsonObject first =
            QJsonDocument::fromJson(run.out).object().value("points").toArray()[0].toObject();
        EXPECT_EQ(first.value("date").toString(), QLatin1String(c.date));
    }
}

TEST_F(OrvoCal, CanonicalWritesTheSavedFormAndNothingOnFailure) {
    const QString file =
        write("slashed.cal", {dataLine("3/8/2005 10:00", ""), dataLine("3/7/2005 9:05:30", "")});
    const QString out = m_dir.filePath("out.cal");
    ASSERT_EQ(orvoCal({"canonical", file, out}).exitCode, 0);
    const QByteArray canonical = contentOf(out);
    EXPECT_TRUE(canonical.contains("\r\n2005-03-07 09:05:30\t1.5\t"));
    EXPECT_TRUE(canonical.endsWith("\t31.5\tTrue\r\n"));

    const QString again = m_dir.filePath("again.cal");
    ASSERT_EQ(orvoCal({"canonical", out, again}).exitCode, 0);
    EXPECT_EQ(contentOf(again), canonical);

    const QString bad = write("bad.cal", {QStringLiteral("2005-03-09 09:05:00\t1\t2\t3\t4\t5")});
    const ToolRun failed = orvoCal({"canonical", bad, m_dir.filePath("never.cal")});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.contains("line 2"));
    EXPECT_FALSE(QFile::exists(m_dir.filePath("never.cal")));
    EXPECT_EQ(orvoCal({"canonical", out, m_dir.path()}).exitCode, 1);
}

TEST_F(OrvoCal, FormulaPrintsTextAndValidity) {
    orvo::CalibrationFormula formula;
    formula.formula = 1;
    formula.Grade = 2;
    formula.a1 = 1.5f;
    formula.a3 = -0.25f;
    formula.b = 2;
    const QString valid = m_dir.filePath("valid.par");
    formula.SaveFile(valid);
    const ToolRun ok = orvoCal({"formula", valid});
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_EQ(ok.out, "Ash = 1.5 * DLed  - 0.25 * SLed  + 2\nvalid\n");

    formula.Grade = 7;
    const QString invalid = m_dir.filePath("invalid.par");
    formula.SaveFile(invalid);
    const ToolRun bad = orvoCal({"formula", invalid});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.out, "Ash = 1.5 * DLed  - 0.25 * SLed  + 2\ninvalid\n");

    const ToolRun missing = orvoCal({"formula", m_dir.filePath("missing.par")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("53"));
}

} // namespace
