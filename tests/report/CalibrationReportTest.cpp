#include <orvo/model/CalibrationError.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/regression/RegressionCalculation.h>
#include <orvo/report/CalibrationReport.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The demo data's Cons fit on two signals over grade 1.
orvo::CalibrationRecord demoRecord() {
    orvo::MeasurementData data;
    data.ReadFile(QStringLiteral(ORVO_DEMO_DATA));
    orvo::RegressionCalculation calculation;
    calculation.fullRun(data, {0, 1, true, false, QStringLiteral("1"), QStringLiteral("200")});
    calculation.markResultsValid();
    calculation.fillFormulaList(QStringLiteral("correlation"));
    return orvo::CalibrationRecord::of(data, QStringLiteral(ORVO_DEMO_DATA), calculation, 0);
}

TEST(CalibrationReport, RecordsTheRunItsSamplesAndTheFormula) {
    const orvo::CalibrationRecord record = demoRecord();
    EXPECT_EQ(record.usableCount + static_cast<int>(record.excluded.size()), 200);
    EXPECT_EQ(record.usableCount, record.diagnostics.sampleCount);
    EXPECT_FALSE(record.flagged[orvo::WorkbenchDiagnostics::Outlier].isEmpty())
        << "the demo data holds a planted outlier";
    orvo::CalibrationReport report(record);
    const QString text = report.document().toPlainText();
    const QString expected[] = {QStringLiteral("demo.cal"),
                                QStringLiteral("Cons"),
                                record.formulaText,
                                QStringLiteral("Usable samples\n57"),
                                QStringLiteral("Excluded samples\n143"),
                                QStringLiteral("Correlation"),
                                record.statistics.front().second,
                                QStringLiteral("RMSECV"),
                                QStringLiteral("Cook's distance"),
                                QStringLiteral("outlier"),
                                QStringLiteral("grade not taken"),
                                QStringLiteral("no lab value")};
    for (const QString& part : expected)
        EXPECT_TRUE(text.contains(part)) << part.toStdString();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    const int pages = report.writePdf(path);
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-1."));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    EXPECT_GT(pages, 1);

    EXPECT_THROW(report.writePdf(dir.filePath(QStringLiteral("missing/report.pdf"))),
                 orvo::CalibrationError);
}

} // namespace
