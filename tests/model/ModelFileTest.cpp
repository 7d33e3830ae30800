#include "LocaleScope.h"
#include "model/CalibrationError.h"
#include "model/CalibrationFormula.h"
#include "model/MeasurementData.h"
#include "model/MeasurementPoint.h"
#include "model/OleDate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

using orvo::CalibrationError;
using orvo::CalibrationFormula;
using orvo::ErrorNumber;
using orvo::MeasurementData;
using orvo::MeasurementPoint;
using orvo::OleDate;

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

MeasurementData threePoints() {
    MeasurementData data;
    for (int i = 0; i < 3; ++i) {
        auto p = std::make_shared<MeasurementPoint>();
        p->MeasurementDate = OleDate::fromParts(2005, 3, 7 + i, 9, 5, 30);
        p->SIG1 = 0.1 * (i + 1);
        p->LabCons = i == 1 ? 0 : 0.3333;
        p->LabAsh = -12.5e-9;
        p->Grade = 1 + i % 2;
        p->enabled = i != 2;
        data.AddMeasurementPoint(p);
    }
    return data;
}

ErrorNumber errorOf(const std::function<void()>& action, QString* description = nullptr) {
    try {
        action();
    } catch (const CalibrationError& e) {
        if (description)
            *description = e.description();
        return e.number();
    }
    ADD_FAILURE() << "no error";
    return ErrorNumber::InvalidArgument;
}

class ModelFiles : public testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

TEST_F(ModelFiles, DataFileRoundTripInACommaLocale) {
    orvo::test::LocaleScope comma(orvo::test::commaLocale());
    const MeasurementData original = threePoints();
    original.SaveFile(path("a.cal"));
    const QByteArray bytes = contentOf(path("a.cal"));
    EXPECT_TRUE(bytes.startsWith(MeasurementPoint::headerLine().toLatin1() + "\r\n"));
    EXPECT_TRUE(bytes.endsWith("True\r\n") || bytes.endsWith("False\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 4);
    EXPECT_FALSE(bytes.contains(','));

    MeasurementData copy;
    copy.ReadFile(path("a.cal"));
    ASSERT_EQ(copy.pointCount(), 3);
    for (int16_t i = 0; i < 3; ++i) {
        const auto& a = *original.getMeasurementPoints(i);
        const auto& b = *copy.getMeasurementPoints(i);
        EXPECT_EQ(b.toLine(), a.toLine());
        EXPECT_EQ(b.LabCons, a.LabCons);
        EXPECT_EQ(b.OldLabCons, b.LabCons);
        EXPECT_EQ(b.enabled, a.enabled);
        EXPECT_FALSE(b.modified);
    }
    copy.SaveFile(path("b.cal"));
    EXPECT_EQ(contentOf(path("b.cal")), bytes);
}

TEST_F(ModelFiles, ClearFileLeavesOneEmptyLine) {
    threePoints().SaveFile(path("a.cal"));
    MeasurementData data = threePoints();
    data.ClearFile(path("a.cal"));
    EXPECT_EQ(contentOf(path("a.cal")), "\r\n");
    EXPECT_EQ(data.pointCount(), 3);
    data.ReadFile(path("a.cal"));
    EXPECT_EQ(data.pointCount(), 0);
}

TEST_F(ModelFiles, ParameterFileRoundTripAcrossLocales) {
    CalibrationFormula original;
    original.formula = 1;
    original.Grade = 3;
    original.a2 = -0.123456789f;
    original.a7 = 1234567.0f;
    original.b = 2.5f;
    {
        orvo::test::LocaleScope comma(orvo::test::commaLocale());
        original.SaveFile(path("f.par"));
    }
    EXPECT_EQ(contentOf(path("f.par")),
              "Measurement\tGrade\tDLed\tALed\tSLed\tALaser\tSLaser\tDpLed\tS7\tS8\tS9\tS10\t"
              "(offset)\r\nAsh\t1&2\t0\t-0.1234568\t0\t0\t0\t0\t1234567\t0\t0\t0\t2.5\r\n");
    for (const QLocale& locale : {orvo::test::commaLocale(), orvo::test::pointLocale()}) {
        orvo::test::LocaleScope scope(locale);
        CalibrationFormula copy;
        EXPECT_TRUE(copy.ReadFile(path("f.par")));
        EXPECT_EQ(copy.formula, 1);
        EXPECT_EQ(copy.Grade, 3);
        EXPECT_EQ(copy.a2, -0.1234568f);
        EXPECT_EQ(copy.a7, original.a7);
        EXPECT_EQ(copy.b, original.b);
    }
}

TEST_F(ModelFiles, MissingUnreadableAndOversizedFilesAreFileErrors) {
    MeasurementData data;
    CalibrationFormula formula;
    QString description;
    EXPECT_EQ(errorOf([&] { data.ReadFile(path("missing.cal")); }, &description),
              ErrorNumber::FileNotFound);
    EXPECT_TRUE(description.contains(QDir::toNativeSeparators(path("missing.cal"))));
    EXPECT_EQ(errorOf([&] { formula.ReadFile(path("missing.par")); }), ErrorNumber::FileNotFound);
    EXPECT_EQ(errorOf([&] { data.ReadFile(m_dir.path()); }), ErrorNumber::FileAccess);

    // Sparse, so the test costs no disk space; refused before it is read.
    QFile big(path("big.cal"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(64 * 1024 * 1024 + 1));
    big.close();
    EXPECT_EQ(errorOf([&] { data.ReadFile(path("big.cal")); }, &description),
              ErrorNumber::FileAccess);
    EXPECT_TRUE(description.contains(QLatin1String("64 MiB")));
    EXPECT_EQ(errorOf([&] { formula.ReadFile(path("big.cal")); }), ErrorNumber::FileAccess);
}

TEST_F(ModelFiles, FailedSavesKeepThePreviousFile) {
    const MeasurementData data = threePoints();
    data.SaveFile(path("keep.cal"));
    const QByteArray before = contentOf(path("keep.cal"));

    // A directory where the file should be fails for root too.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("taken.cal")));
    QString description;
    EXPECT_EQ(errorOf([&] { data.SaveFile(path("taken.cal")); }, &description),
              ErrorNumber::FileAccess);
    EXPECT_TRUE(description.contains(QDir::toNativeSeparators(path("taken.cal"))));
    EXPECT_TRUE(description.contains(QLatin1String("for writing")));
    EXPECT_EQ(errorOf([&] { data.ClearFile(path("taken.cal")); }), ErrorNumber::FileAccess);
    EXPECT_EQ(errorOf([&] { CalibrationFormula().SaveFile(path("taken.cal")); }),
              ErrorNumber::FileAccess);
    EXPECT_EQ(errorOf([&] { data.SaveFile(path("keep.cal/inside.cal")); }),
              ErrorNumber::FileAccess);

    // A point whose date cannot be written stops the save before the file.
    MeasurementData broken = threePoints();
    broken.getMeasurementPoints(1)->MeasurementDate = 1e9;
    EXPECT_EQ(errorOf([&] { broken.SaveFile(path("keep.cal")); }), ErrorNumber::Overflow);
    EXPECT_EQ(contentOf(path("keep.cal")), before);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"keep.cal"});
}

} // namespace
