#include "ChildWidget.h"
#include "FakeHost.h"
#include "LocaleScope.h"
#include "SampleData.h"
#include "ScriptedPrompts.h"
#include "TestFiles.h"

#include <orvo/model/CalibrationError.h>
#include <orvo/model/OleDate.h>
#include <orvo/views/UCDataEditor.h>

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace orvo;
using test::contentOf;
using test::samplePoint;
using test::writeFile;

const QColor blue(0, 0, 255);
const QColor black(0, 0, 0);

class DataEditor : public testing::Test {
protected:
    void SetUp() override {
        data = test::dataOf(
            {samplePoint(1, 1, 12.5, {0.1, 2}), samplePoint(2, 2, 0, {-3}), samplePoint(3, 1, 7)});
        data->getMeasurementPoints(1)->line = 2.5;
        editor.setCommunication(&host);
        editor.setDataFileName(path("work.cal"));
        editor.SetData(data);
        editor.resize(1000, 600);
        editor.show();
    }

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    int pointsIn(const char* name) {
        MeasurementData file;
        file.ReadFile(path(name));
        return file.pointCount();
    }
    template <typename T = QPushButton> T* child(const char* name) {
        return orvo::test::childOf<T>(editor, name);
    }
    QTableView* grid() { return child<QTableView>("scgData"); }
    // Cells in the host's numbering: captions in row 1, sample i in row i + 2.
    QModelIndex cell(int row, int col) { return grid()->model()->index(row - 2, col - 1); }
    QVariant shown(int row, int col, int role = Qt::DisplayRole) {
        return cell(row, col).data(role);
    }
    QColor colour(int row, int col) { return shown(row, col, Qt::ForegroundRole).value<QColor>(); }
    // Texts of some cells of a row, or of the caption row 1, joined by "|".
    QString texts(int row, std::initializer_list<int> cols) {
        QStringList result;
        for (int col : cols)
            result << (row == 1 ? grid()->model()->headerData(col - 1, Qt::Horizontal)
                                : shown(row, col))
                          .toString();
        return result.join('|');
    }
    void click(const char* name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    void clickHeader() {
        QHeaderView* header = grid()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(3) + 5, header->height() / 2));
    }
    void type(int row, int col, const QString& text) {
        grid()->setCurrentIndex(cell(row, col));
        grid()->edit(cell(row, col));
        auto* line = grid()->findChild<QLineEdit*>();
        ASSERT_NE(line, nullptr);
        line->clear();
        QTest::keyClicks(line, text);
        QTest::keyClick(line, Qt::Key_Return);
        // The delegate commits through a queued call, then deletes the editor.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    PointPtr sample(int i) { return editor.GetData()->getMeasurementPoints(int16_t(i)); }
    int rows() { return grid()->model()->rowCount(); }

    QTemporaryDir dir;
    test::FakeHost host;
    test::ScriptedPrompts prompts;
    std::shared_ptr<MeasurementData> data;
    UCDataEditor editor;
};

TEST_F(DataEditor, ShowsEachSampleInItsRowWithTheDocumentedColumns) {
    EXPECT_EQ(texts(1, {1, 2, 3, 4, 9, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}),
              "*||Date|DLed|DpLed|S10|Floc|Temp|Lab.Cons.|Lab.Ash.|Lab.Res1|Lab.Res2|Grade|Line|"
              "Cons|Ash");
    ASSERT_EQ(rows(), 3);
    {
        test::LocaleScope point(test::pointLocale());
        EXPECT_EQ(texts(2, {2, 4, 5, 16, 20}), "1|0.1000|2.0000|12.5000|1");
        EXPECT_EQ(texts(3, {2, 4, 21}), "2|-3.0000|2.5");
    }
    test::LocaleScope comma(test::commaLocale());
    const double date = sample(0)->MeasurementDate;
    EXPECT_EQ(texts(2, {3, 4}), OleDate::dateText(date, QLocale()) + " " +
                                    OleDate::timeText(date, QLocale()) + "|0,1000");
    EXPECT_EQ(shown(2, 4, Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(shown(2, 2, Qt::BackgroundRole).value<QColor>(), QColor(224, 224, 224));
    EXPECT_EQ(grid()->model()->headerData(5, Qt::Horizontal, Qt::BackgroundRole).value<QColor>(),
              QColor(224, 224, 224));
    EXPECT_NEAR(grid()->columnWidth(2) / double(grid()->columnWidth(0)), 130.0 / 30, 0.1);
    EXPECT_FALSE(cell(2, 4).flags() & Qt::ItemIsEditable);

    host.translations = {{"date", "Datum"}, {"labRes", "Lab.Res "}, {"calibrationTable", "Tab"}};
    editor.translate();
    EXPECT_EQ(texts(1, {1, 3, 4, 16, 19}), "*|Datum|DLed|labCons|Lab.Res 2");
    EXPECT_EQ(child<QLabel>("Label1")->text(), "Tab");
    editor.SetData(std::make_shared<MeasurementData>());
    EXPECT_EQ(rows(), 0);
}

TEST_F(DataEditor, CheckBoxesFollowTheSpaceBarAndTheHeaderClick) {
    QSignalSpy changed(&editor, &UCDataEditor::samplesChanged);
    grid()->setCurrentIndex(cell(3, 1));
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_FALSE(sample(1)->enabled || editor.CellChecked(3, 1));
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_TRUE(sample(1)->enabled && editor.CellChecked(3, 1));
    ASSERT_EQ(changed.size(), 2);
    EXPECT_EQ(changed[0][0].value<QList<int>>(), QList<int>{1});

    clickHeader();
    EXPECT_FALSE(sample(0)->enabled || sample(2)->enabled || editor.CellChecked(4, 1));
    clickHeader();
    EXPECT_TRUE(sample(0)->enabled && sample(2)->enabled && editor.CellChecked(4, 1));
    sample(2)->enabled = false;
    clickHeader();
    EXPECT_TRUE(sample(2)->enabled && editor.CellChecked(4, 1)) << "one disabled: all on";
    EXPECT_EQ(changed.last()[0].value<QList<int>>(), (QList<int>{0, 1, 2}));

    // The box alone, until the samples' flags are shown again.
    editor.CellChecked(2, 1, false);
    EXPECT_TRUE(sample(0)->enabled && !editor.CellChecked(2, 1));
    sample(2)->enabled = false;
    editor.updateCheckBoxes();
    EXPECT_TRUE(editor.CellChecked(2, 1) && !editor.CellChecked(4, 1));
    EXPECT_FALSE(editor.CellChecked(1, 1)) << "caption row";
    EXPECT_THROW(editor.CellChecked(2, 4, true), CalibrationError);
}

// Each typing starts from what the one before left: the previous value, the
// colour. A value unlike the previous one turns blue; a refused one changes nothing.
TEST_F(DataEditor, LabValuesAreTypedInTheUsersLocaleAndMarkedBlueWhenChanged) {
    sample(0)->OldLabCons = 12.5;
    QSignalSpy changed(&editor, &UCDataEditor::samplesChanged);
    const struct {
        QLocale locale;
        const char* typed;
        double stored;
        const char* shown;
        QColor colour;
        bool refused;
    } typings[] = {{test::commaLocale(), "12,5", 12.5, "12,5000", black, false},
                   {test::commaLocale(), "1,5", 1.5, "1,5000", blue, false},
                   {test::commaLocale(), "1,5", 1.5, "1,5000", blue, false},
                   {test::pointLocale(), "1,5", 1.5, "1.5000", blue, true},
                   {test::pointLocale(), "2.25", 2.25, "2.2500", blue, false}};
    for (const auto& t : typings) {
        test::LocaleScope locale(t.locale);
        prompts.messages.clear();
        type(2, 16, QString::fromLatin1(t.typed));
        EXPECT_EQ(std::tuple(sample(0)->LabCons, sample(0)->OldLabCons, shown(2, 16).toString(),
                             colour(2, 16)),
                  std::tuple(t.stored, t.stored, QString(t.shown), t.colour))
            << t.typed;
        EXPECT_EQ(prompts.messages.empty() ? "" : prompts.messages[0].text,
                  t.refused ? "Illegal value!" : "")
            << t.typed;
    }
    EXPECT_EQ(changed.size(), 2) << "only the typings that changed the value";
    EXPECT_TRUE(editor.hasUnsavedChanges());
    type(4, 19, "4");
    EXPECT_EQ(std::tuple(sample(2)->LabRes2, sample(2)->OldLabRes2, sample(2)->LabCons),
              std::tuple(4.0, 4.0, 7.0));
    editor.SetData(data);
    EXPECT_EQ(colour(2, 16), black) << "until the refill";
}

TEST_F(DataEditor, UpdateMergesTheHostsNewerSamplesAsBlueRowsThatSaveTurnsBlack) {
    host.samplesToDeliver = {{samplePoint(10, 1, 0), samplePoint(2, 1, 0)}};
    click("CommandUpdate");
    EXPECT_EQ(host.requestedDates, std::vector<double>{sample(2)->MeasurementDate});
    ASSERT_EQ(rows(), 4);
    EXPECT_EQ(editor.GetData(), data);
    EXPECT_EQ(std::tuple(colour(4, 4), colour(5, 4), colour(5, 3)),
              std::tuple(black, blue, QColor()));
    EXPECT_TRUE(editor.hasUnsavedChanges());
    EXPECT_EQ(contentOf(path("work.cal")), "(none)") << "no file written";
    click("CommandSave");
    EXPECT_EQ(pointsIn("work.cal"), 4);
    EXPECT_EQ(std::tuple(sample(3)->modified, colour(5, 4)), std::tuple(false, black));
    EXPECT_FALSE(editor.hasUnsavedChanges());

    editor.SetData(std::make_shared<MeasurementData>());
    click("CommandUpdate");
    EXPECT_EQ(host.requestedDates.back(), OleDate::fromParts(1970, 1, 1, 0, 0, 0));
    editor.setOnlineMode(false);
    EXPECT_FALSE(child("CommandUpdate")->isEnabled());
    EXPECT_TRUE(child("CommandClear")->isEnabled());
}

class FailingHost : public test::FakeHost {
public:
    std::vector<std::shared_ptr<MeasurementPoint>> getCalibrationData(double) override {
        throw CalibrationError::fileAccess("device gone");
    }
};

TEST_F(DataEditor, AFailingUpdateStepIsReportedAndTheCommandGoesOn) {
    FailingHost failing;
    editor.setCommunication(&failing);
    click("CommandUpdate");
    host.samplesToDeliver = {{samplePoint(10, 1, 0), nullptr}};
    editor.setCommunication(&host);
    editor.CellChecked(2, 1, false);
    click("CommandUpdate");
    EXPECT_TRUE(editor.CellChecked(2, 1)) << "the grid is refilled after the failed merge";
    editor.Error_Report("Step", "", -5);
    ASSERT_EQ(prompts.messages.size(), 3u);
    // One blank, or the minus sign, between the colon and the digits.
    EXPECT_EQ(prompts.messages[0].text, "Error number:  75\r\nError during upload parameters "
                                        "failed because of: Path/File access error: device gone");
    EXPECT_TRUE(prompts.messages[1].text.startsWith("Error number:  91\r\n"));
    EXPECT_EQ(prompts.messages[2].text,
              "Error number: -5\r\nStep failed because of: Description is unavailable :-(");
    EXPECT_EQ(std::tuple(prompts.messages[0].title, prompts.messages[0].icon),
              std::tuple(QString("VuzAduvEvez"), Prompts::Icon::Critical));
}

// A failed write, or an export, leaves the set, its marks and the working file as they were.
TEST_F(DataEditor, ExportWritesOnlyTheChosenFileAndAFailedSaveOrClearNamesFileAndReason) {
    // A directory where the file should be fails for root too.
    const QString taken = path("taken.cal");
    ASSERT_TRUE(QDir(dir.path()).mkpath("taken.cal"));
    writeFile(taken + "/inside", "kept");
    writeFile(path("work.cal"), "old\r\n");
    writeFile(path("readonly.cal"), "mine");
    QFile::setPermissions(path("readonly.cal"), QFile::ReadOwner);
    host.samplesToDeliver = {{samplePoint(10, 1, 0)}};
    click("CommandUpdate");
    prompts.fileNames = {path("readonly.cal"), path("out.cal"), dir.path()};
    click("CommandExport");
    click("CommandExport");
    EXPECT_EQ(std::tuple(pointsIn("out.cal"), contentOf(path("readonly.cal"))),
              std::tuple(4, QByteArray("mine")));
    ASSERT_EQ(prompts.messages.size(), 1u) << "the read-only target is refused, once";
    EXPECT_EQ(prompts.messages[0].icon, Prompts::Icon::Warning);
    EXPECT_TRUE(host.errorMessages.isEmpty()) << "a failing export says nothing";
    EXPECT_EQ(std::tuple(prompts.fileDialogs[0].title, prompts.fileDialogs[0].confirmOverwrite),
              std::tuple(QString("destinationFile"), true));

    const QString cannotOpen =
        ": Path/File access error: cannot open " + QDir::toNativeSeparators(taken) + " for writing";
    const struct {
        const char* command;
        QString target;
        QString message;
    } cases[] = {{"CommandSave", taken, "Error during saving data" + cannotOpen},
                 {"CommandClear", taken, "Error during clearing data" + cannotOpen},
                 // A sample dated beyond the calendar stops the save before the file.
                 {"CommandSave", path("work.cal"),
                  "Error during saving data, file " + QDir::toNativeSeparators(path("work.cal")) +
                      ": Overflow"}};
    for (const auto& c : cases) {
        if (c.target != taken)
            sample(0)->MeasurementDate = 1e9;
        host.errorMessages.clear();
        editor.setDataFileName(c.target);
        click(c.command);
        ASSERT_EQ(host.errorMessages.size(), 1) << c.command;
        EXPECT_TRUE(host.errorMessages[0].startsWith(c.message))
            << host.errorMessages[0].toStdString();
        EXPECT_EQ(std::tuple(rows(), data->pointCount(), sample(3)->modified),
                  std::tuple(4, int16_t{4}, true));
        EXPECT_TRUE(editor.hasUnsavedChanges());
    }
    EXPECT_EQ(contentOf(path("work.cal")), "old\r\n");
    EXPECT_EQ(contentOf(taken + "/inside"), "kept");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({"out.cal", "readonly.cal", "work.cal"}));
}

TEST_F(DataEditor, ImportReplacesTheSetOnlyWithAFileThatHoldsSamples) {
    test::dataOf({samplePoint(20, 1, 1), samplePoint(21, 2, 2)})->SaveFile(path("good.cal"));
    writeFile(path("bad.cal"), "header\r\nno date\tat all\t1\t2\t3\r\n");
    writeFile(path("empty.cal"), "\r\n");
    prompts.fileNames = {path("bad.cal"), path("empty.cal"), std::nullopt, path("good.cal")};
    for (int i = 0; i < 3; ++i)
        click("CommandImport");
    EXPECT_EQ(host.errorMessages, QStringList({"noValidData", "noValidData"}));
    EXPECT_EQ(editor.GetData(), data);
    EXPECT_FALSE(editor.isNewMeasurementData());

    click("CommandImport");
    EXPECT_EQ(rows(), 2);
    EXPECT_TRUE(editor.isNewMeasurementData());
    EXPECT_TRUE(editor.hasUnsavedChanges()) << "the working file still holds the old set";
    click("CommandSave");
    EXPECT_EQ(contentOf(path("work.cal")), contentOf(path("good.cal")));

    const Prompts::FileDialog& dialog = prompts.fileDialogs[0];
    EXPECT_EQ(QStringList({dialog.title, dialog.filter, dialog.selectedFilter, dialog.defaultSuffix,
                           dialog.proposedName}),
              QStringList({"sourceFile", "allFiles (*.*);;calibrationFile (*.cal)",
                           "calibrationFile (*.cal)", "cal", "calibration.cal"}));
}

TEST_F(DataEditor, ClearEmptiesFileAndGridUnlessCancelled) {
    writeFile(path("work.cal"), "old\r\n");
    host.dialogAnswers = {2, 1};
    click("CommandClear");
    EXPECT_EQ(std::tuple(rows(), contentOf(path("work.cal"))),
              std::tuple(3, QByteArray("old\r\n")));
    click("CommandClear");
    EXPECT_EQ(host.callsWithoutTranslations(), QStringList(2, "showDialog(1,areyousureclearlabs)"));
    EXPECT_EQ(std::tuple(rows(), data->pointCount(), contentOf(path("work.cal"))),
              std::tuple(0, int16_t{0}, QByteArray("\r\n")));
    EXPECT_FALSE(editor.hasUnsavedChanges());
}

} // namespace
