#include "OrvoCalRun.h"
#include "SampleData.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using orvo::test::jsonOf;
using orvo::test::orvoCal;
using orvo::test::ToolRun;

class FitCommand : public testing::Test {
protected:
    void SetUp() override {
        // Cons = 2 * SIG1 + 1 for grade 1; grade 2 points have no lab value.
        orvo::MeasurementData data;
        for (int i = 0; i < 10; ++i) {
            data.AddMeasurementPoint(orvo::test::samplePoint(
                i, 1, 2 * i + 3, {1.0 + i, double((i * 7) % 5), double((i * i) % 11)}));
            data.AddMeasurementPoint(orvo::test::samplePoint(20 + i, 2, 0, {1.0 + i}));
        }
        data.SaveFile(m_file);
    }

    ToolRun fit(const QStringList& options) {
        return orvoCal(QStringList{"fit", m_file} + options);
    }

    QTemporaryDir m_dir;
    const QString m_file = m_dir.filePath(QStringLiteral("fit.cal"));
};

TEST_F(FitCommand, TextAndJsonCarryTheCandidatesBestFirstTheBlocksAndTheFormula) {
    const QStringList options{"--quantity", "Cons",    "--variables", "1",      "--grades",
                              "1,2",        "--first", "2",           "--last", "19"};
    const ToolRun text = fit(options);
    const ToolRun run = fit(options + QStringList{"--json"});
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = QString::fromUtf8(text.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("2 * DLed  + 1 / correlation : 1\t")) << lines[0].toStdString();
    const QJsonObject json = jsonOf(run).toObject();
    const QJsonArray params = json["calcParams"].toArray();
    ASSERT_EQ(params.size(), 19);
    for (const auto& [index, value] : {std::pair{2, 1}, {8, 1}, {9, 2}, {13, 2}, {14, 19}})
        EXPECT_EQ(params[index].toInt(), value) << "calcParams[" << index << "]";
    EXPECT_EQ(json["calcResults"].toArray().size(), 340);
    const QJsonArray candidates = json["candidates"].toArray();
    ASSERT_EQ(candidates.size(), 3);
    EXPECT_EQ(candidates[0].toObject()["row"].toInt(), 0);
    const QJsonObject formula = json["formula"].toObject();
    EXPECT_EQ(formula["Grade"].toInt(), 3);
    EXPECT_NEAR(formula["a1"].toDouble(), 2, 1e-5);
    EXPECT_TRUE(json["message"].isNull());
}

TEST_F(FitCommand, AStoppedRunGivesItsMessageAndNoResults) {
    const ToolRun run = fit({"--quantity", "Cons", "--variables", "1", "--grades", "2", "--json"});
    EXPECT_EQ(run.exitCode, 1);
    const QJsonObject json = jsonOf(run).toObject();
    EXPECT_EQ(json["message"].toString(), "noLabValues");
    EXPECT_TRUE(json["formula"].isNull());
    for (const char* list : {"candidates", "diagnostics", "influence"})
        EXPECT_TRUE(json[list].toArray().isEmpty()) << list;
}

// The demo data holds a planted outlier, so every influence rule has a case.
TEST(FitDiagnostics, TextColumnsAndJsonCarryEachCandidatesDiagnosticsAndTheFirstOnesInfluence) {
    const QStringList demoFit{"fit", ORVO_DEMO_DATA, "--quantity", "Cons", "--variables",
                              "2",   "--grades",     "1"};
    const ToolRun text = orvoCal(demoFit);
    const ToolRun run = orvoCal(demoFit + QStringList{"--json"});
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = jsonOf(run).toObject();
    const QStringList lines = QString::fromUtf8(text.out).split('\n', Qt::SkipEmptyParts);
    const QJsonArray candidates = json["candidates"].toArray();
    const QJsonArray diagnostics = json["diagnostics"].toArray();
    ASSERT_EQ(lines.size(), candidates.size());
    ASSERT_EQ(diagnostics.size(), candidates.size());
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const QStringList columns = lines[k].split('\t');
        const QJsonObject d = diagnostics[k].toObject();
        ASSERT_EQ(columns.size(), 3);
        EXPECT_EQ(columns[0], candidates[k].toObject()["text"].toString());
        EXPECT_NEAR(columns[1].toDouble(), d["rmsecv"].toDouble(), 1e-3 * d["rmsecv"].toDouble());
        EXPECT_NEAR(columns[2].toDouble(), d["predictedRSquared"].toDouble(), 1e-3);
        EXPECT_EQ(d["row"], candidates[k].toObject()["row"]);
        EXPECT_EQ(d["p"].toInt(), 3);
        EXPECT_DOUBLE_EQ(d["rmsecv"].toDouble(),
                         std::sqrt(d["press"].toDouble() / d["n"].toDouble()));
        EXPECT_LT(d["predictedRSquared"].toDouble(), d["rSquared"].toDouble());
        EXPECT_GE(d["maxVif"].toDouble(), 1);
        EXPECT_TRUE(d["mallowsCp"].isDouble());
    }
    const QJsonObject first = diagnostics[0].toObject();
    const double n = first["n"].toDouble();
    const QJsonArray influence = json["influence"].toArray();
    ASSERT_EQ(influence.size(), first["n"].toInt());
    double leverageSum = 0;
    int outliers = 0;
    for (const QJsonValue& value : influence) {
        const QJsonObject point = value.toObject();
        leverageSum += point["leverage"].toDouble();
        outliers += point["outlier"].toBool();
        EXPECT_EQ(point["outlier"].toBool(), std::abs(point["studentizedResidual"].toDouble()) > 3);
        EXPECT_EQ(point["highLeverage"].toBool(), point["leverage"].toDouble() > 9 / n);
        EXPECT_EQ(point["influential"].toBool(), point["cooksDistance"].toDouble() > 4 / n);
    }
    EXPECT_NEAR(leverageSum, 3, 1e-9);
    EXPECT_GE(outliers, 1);
}

} // namespace
