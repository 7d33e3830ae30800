#include "Caught.h"
#include "FailDevice.h"
#include "LocaleScope.h"
#include "SampleData.h"
#include "TestFiles.h"

#include <orvo/model/CalibrationFormula.h>
#include <orvo/model/SavedSnapshot.h>
#include <orvo/model/TextFile.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace orvo;
using test::caught;
using test::contentOf;
using test::errorOf;

std::shared_ptr<MeasurementData> twoPoints() {
    return test::dataOf(
        {test::samplePoint(1, 1, 1.0 / 3, {0.1}), test::samplePoint(2, 2, 0, {-2})});
}

class ModelFiles : public testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

// The point lines themselves are pinned where points are read and written.
TEST_F(ModelFiles, DataFileIsTheHeaderAndThePointLinesEachEndedByCrLf) {
    test::LocaleScope comma(test::commaLocale());
    const auto original = twoPoints();
    original->SaveFile(path("a.cal"));
    const QByteArray expected =
        "Date\tSIG1\tSIG2\tSIG3\tSIG4\tSIG5\tSIG6\tSIG7\tSIG8\tSIG9\tSIG10\tSIG11\tSIG12\tSIG13\t"
        "SIG14\tpH\tConduc\tCharge\tFloc\ttemp\tErr%\tSIG15\tConsMeas\tAshMeas\tLabCons\tLabAsh\t"
        "LabRes1\tLabRes2\tLabRes3\tLabRes4\tGrade\tLine\tEnabled\r\n" +
        (original->getMeasurementPoints(0)->toLine() + "\r\n" +
         original->getMeasurementPoints(1)->toLine() + "\r\n")
            .toLatin1();
    EXPECT_EQ(contentOf(path("a.cal")), expected);
    MeasurementData copy;
    copy.ReadFile(path("a.cal"));
    copy.SaveFile(path("b.cal"));
    EXPECT_EQ(contentOf(path("b.cal")), expected);

    copy.ClearFile(path("b.cal"));
    EXPECT_EQ(contentOf(path("b.cal")), "\r\n");
    EXPECT_EQ(copy.pointCount(), 2);
    copy.ReadFile(path("b.cal"));
    EXPECT_EQ(copy.pointCount(), 0);
}

TEST_F(ModelFiles, ParameterFileRoundTripInACommaLocale) {
    const CalibrationFormula original{
        .a2 = -0.123456789f, .a10 = 1234567.0f, .b = 2.5f, .Grade = 3, .formula = 1};
    test::LocaleScope comma(test::commaLocale());
    original.SaveFile(path("f.par"));
    EXPECT_EQ(contentOf(path("f.par")),
              "Measurement\tGrade\tDLed\tALed\tSLed\tALaser\tSLaser\tDpLed\tS7\tS8\tS9\tS10\t"
              "(offset)\r\nAsh\t1&2\t0\t-0.1234568\t0\t0\t0\t0\t0\t0\t0\t1234567\t2.5\r\n");
    CalibrationFormula copy;
    EXPECT_TRUE(copy.ReadFile(path("f.par")));
    EXPECT_EQ(std::tuple(copy.formula, copy.Grade, copy.a2, copy.a10, copy.b),
              std::tuple(int16_t{1}, int16_t{3}, -0.1234568f, 1234567.0f, 2.5f));
}

TEST_F(ModelFiles, FileErrorsNameThePathAndAFailedSaveKeepsThePreviousFile) {
    const auto data = twoPoints();
    EXPECT_EQ(caught([&] { MeasurementData().ReadFile(path("missing.cal")); }),
              std::pair(ErrorNumber::FileNotFound,
                        "File not found: " + QDir::toNativeSeparators(path("missing.cal"))));
    EXPECT_EQ(errorOf([&] { MeasurementData().ReadFile(m_dir.path()); }), ErrorNumber::FileAccess);
    // Sparse, so the test costs no disk space; refused before it is read.
    QFile big(path("big.cal"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(TextFile::MaxSize + 1));
    big.close();
    EXPECT_EQ(caught([&] { MeasurementData().ReadFile(path("big.cal")); }),
              std::pair(ErrorNumber::FileAccess,
                        "Path/File access error: " + QDir::toNativeSeparators(path("big.cal")) +
                            " is larger than 64 MiB"));

    data->SaveFile(path("keep.cal"));
    const QByteArray before = contentOf(path("keep.cal"));
    // A directory where the file should be fails for root too.
    const QString taken = path("taken.cal");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("taken.cal")));
    const auto [number, description] = caught([&] { data->SaveFile(taken); });
    EXPECT_EQ(number, ErrorNumber::FileAccess);
    EXPECT_TRUE(description.startsWith("Path/File access error: cannot open " +
                                       QDir::toNativeSeparators(taken) + " for writing"));
    // A point whose date cannot be written stops the save before the file.
    data->getMeasurementPoints(1)->MeasurementDate = 1e9;
    EXPECT_EQ(errorOf([&] { data->SaveFile(path("keep.cal")); }), ErrorNumber::Overflow);
    EXPECT_EQ(contentOf(path("keep.cal")), before);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), (QStringList{"big.cal", "keep.cal"}));
}

TEST_F(ModelFiles, AWriteFailingAtAnyStepNamesTheFileAndLeavesTheOldOne) {
    using Step = test::FailDevice::Step;
    const std::pair<Step, QString> cases[] = {{Step::Open, "cannot open %1 for writing: "},
                                              {Step::Write, "cannot write %1: "},
                                              {Step::Commit, "cannot save %1: "}};
    const QString file = path("old.par");
    const QString nativePath = QDir::toNativeSeparators(file);
    TextFile::write(file, QStringLiteral("old\r\n"));
    for (const auto& [step, reason] : cases) {
        test::FailDevice device(file, step);
        const auto [number, description] = caught([&] {
            TextFile::write(
                device, [&] { return device.commit(); }, nativePath, "new");
        });
        EXPECT_EQ(number, ErrorNumber::FileAccess);
        EXPECT_TRUE(description.startsWith("Path/File access error: " + reason.arg(nativePath)))
            << description.toStdString();
        EXPECT_EQ(contentOf(file), "old\r\n");
    }
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"old.par"});
}

// What the data editor weighs to ask about unsaved changes.
TEST(SavedSnapshot, DiffersOnlyByWhatTheFileWouldRecord) {
    const auto data = twoPoints();
    MeasurementPoint& point = *data->getMeasurementPoints(0);
    SavedSnapshot snapshot;
    snapshot.take(*data);
    point.modified = true;
    point.OldLabCons = 1;
    EXPECT_FALSE(snapshot.differsFrom(*data)) << "flags the file does not keep";
    point.enabled = false;
    EXPECT_TRUE(snapshot.differsFrom(*data));
    point.enabled = true;
    point.MeasurementDate = 1e9;
    EXPECT_TRUE(snapshot.differsFrom(*data)) << "a date the file cannot hold";
}

} // namespace
