#include "FakeHost.h"
#include "LocaleScope.h"
#include "SampleData.h"
#include "ScriptedPrompts.h"

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
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace orvo;
using test::samplePoint;

const QColor blue(0, 0, 255);
const QColor black(0, 0, 0);

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

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
    QTableView* grid() { return editor.findChild<QTableView*>("scgData"); }
    // Cells in the host's numbering: captions in row 1, sample i in row i + 2.
    QModelIndex cell(int row, int col) { return grid()->model()->index(row - 2, col - 1); }
    QVariant shown(int row, int col, int role = Qt::DisplayRole) {
        return cell(row, col).data(role);
    }
    QString caption(int col) {
        return grid()->model()->headerData(col - 1, Qt::Horizontal).toString();
    }
    void click(const char* name) {
        QTest::mouseClick(editor.findChild<QPushButton*>(name), Qt::LeftButton);
    }
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
    QStringList captions;
    for (int c = 1; c <= 23; ++c)
        captions << caption(c);
    EXPECT_EQ(captions.join('|'), "*||Date|DLed|ALed|SLed|ALaser|SLaser|DpLed|S7|S8|S9|S10|Floc|"
                                  "Temp|Lab.Cons.|Lab.Ash.|Lab.Res1|Lab.Res2|Grade|Line|Cons|Ash");
    ASSERT_EQ(rows(), 3);
    const double date = data->getMeasurementPoints(0)->MeasurementDate;
    const struct {
        QLocale locale;
        int row, col;
        QString text;
    } cases[] = {{test::pointLocale(), 2, 2, "1"},
                 {test::pointLocale(), 4, 2, "3"},
                 {test::pointLocale(), 2, 4, "0.1000"},
                 {test::pointLocale(), 3, 4, "-3.0000"},
                 {test::pointLocale(), 2, 16, "12.5000"},
                 {test::pointLocale(), 3, 20, "2"},
                 {test::commaLocale(), 3, 21, "2,5"},
                 {test::commaLocale(), 2, 5, "2,0000"},
                 {test::commaLocale(), 2, 3,
                  OleDate::dateText(date, test::commaLocale()) + " " +
                      OleDate::timeText(date, test::commaLocale())}};
    for (const auto& c : cases) {
        test::LocaleScope locale(c.locale);
        EXPECT_EQ(shown(c.row, c.col).toString(), c.text) << c.row << "," << c.col;
    }
    EXPECT_EQ(shown(2, 4, Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(shown(2, 2, Qt::BackgroundRole).value<QColor>(), QColor(224, 224, 224));
    EXPECT_EQ(grid()->model()->headerData(5, Qt::Horizontal, Qt::BackgroundRole).value<QColor>(),
              QColor(224, 224, 224));
    EXPECT_NEAR(grid()->columnWidth(2) / double(grid()->columnWidth(0)), 130.0 / 30, 0.1);
    EXPECT_NEAR(grid()->columnWidth(22) / double(grid()->columnWidth(1)), 80.0 / 30, 0.1);
    EXPECT_FALSE(cell(2, 4).flags() & Qt::ItemIsEditable);

    host.translations = {{"date", "Datum"}, {"labRes", "Lab.Res "}, {"calibrationTable", "Tab"}};
    editor.translate();
    EXPECT_EQ(QStringList({caption(1), caption(3), caption(4), caption(16), caption(19)}),
              QStringList({"*", "Datum", "DLed", "labCons", "Lab.Res 2"}));
    EXPECT_EQ(editor.findChild<QLabel*>("Label1")->text(), "Tab");
    EXPECT_EQ(editor.findChild<QPushButton*>("CommandClear")->text(), "clearLabs");

    const auto empty = std::make_shared<MeasurementData>();
    editor.SetData(empty);
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(editor.GetData(), empty);
}

TEST_F(DataEditor, CheckBoxesFollowTheMouseTheSpaceBarAndTheHeaderClick) {
    QSignalSpy changed(&editor, &UCDataEditor::samplesChanged);
    QStyleOptionViewItem box;
    box.initFrom(grid());
    box.rect = grid()->visualRect(cell(3, 1));
    box.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect indicator =
        grid()->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &box, grid());
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, indicator.center());
    EXPECT_FALSE(sample(1)->enabled);
    EXPECT_FALSE(editor.CellChecked(3, 1));
    grid()->setCurrentIndex(cell(3, 1));
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_TRUE(sample(1)->enabled && editor.CellChecked(3, 1));
    EXPECT_EQ(changed.size(), 2);
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
    EXPECT_TRUE(sample(0)->enabled);
    EXPECT_FALSE(editor.CellChecked(2, 1));
    sample(2)->enabled = false;
    editor.updateCheckBoxes();
    EXPECT_TRUE(editor.CellChecked(2, 1));
    EXPECT_FALSE(editor.CellChecked(4, 1));
    EXPECT_FALSE(editor.CellChecked(1, 1)) << "caption row";
    EXPECT_THROW(editor.CellChecked(5, 1), CalibrationError);
    EXPECT_THROW(editor.CellChecked(2, 24), CalibrationError);
    EXPECT_THROW(editor.CellChecked(2, 4, true), CalibrationError);
}

TEST_F(DataEditor, LabValuesAreTypedInTheUsersLocaleAndIllegalOnesRefused) {
    const struct {
        QLocale locale;
        const char* typed;
        double stored;
        const char* shown;
    } cases[] = {{test::commaLocale(), "1,5", 1.5, "1,5000"},
                 {test::commaLocale(), "1.234,5", 1234.5, "1234,5000"},
                 {test::pointLocale(), "2.25", 2.25, "2.2500"},
                 {test::commaLocale(), "abc", 12.5, "12,5000"},
                 {test::commaLocale(), "", 12.5, "12,5000"},
                 {test::pointLocale(), "1,5", 12.5, "12.5000"}};
    for (const auto& c : cases) {
        test::LocaleScope locale(c.locale);
        sample(0)->LabCons = sample(0)->OldLabCons = 12.5;
        prompts.messages.clear();
        type(2, 16, QString::fromLatin1(c.typed));
        EXPECT_EQ(sample(0)->LabCons, c.stored) << c.typed;
        EXPECT_EQ(shown(2, 16).toString(), c.shown) << c.typed;
        const bool refused = c.stored == 12.5;
        ASSERT_EQ(prompts.messages.size(), refused ? 1u : 0u) << c.typed;
        if (refused)
            EXPECT_EQ(prompts.messages[0].text, "Illegal value!");
    }
}

TEST_F(DataEditor, ALabValueTurnsBlueOnlyWhenItDiffersFromThePreviousOne) {
    test::LocaleScope locale(test::pointLocale());
    sample(0)->OldLabCons = 12.5;
    QSignalSpy changed(&editor, &UCDataEditor::samplesChanged);
    type(2, 16, "12.5");
    EXPECT_EQ(shown(2, 16, Qt::ForegroundRole).value<QColor>(), black);
    EXPECT_TRUE(changed.isEmpty());
    EXPECT_FALSE(editor.hasUnsavedChanges());
    type(2, 16, "13");
    EXPECT_EQ(shown(2, 16, Qt::ForegroundRole).value<QColor>(), blue);
    EXPECT_EQ(sample(0)->OldLabCons, 13);
    type(2, 16, "13");
    EXPECT_EQ(shown(2, 16, Qt::ForegroundRole).value<QColor>(), blue);
    EXPECT_EQ(changed.size(), 1);
    EXPECT_TRUE(editor.hasUnsavedChanges());
    type(4, 19, "4");
    EXPECT_EQ(std::tuple(sample(2)->LabRes2, sample(2)->OldLabRes2, sample(2)->LabCons),
              std::tuple(4.0, 4.0, 7.0));
    editor.SetData(data);
    EXPECT_EQ(shown(2, 16, Qt::ForegroundRole).value<QColor>(), black) << "until the refill";
}

TEST_F(DataEditor, ErrorReportShowsNumberStepAndReasonInACriticalBox) {
    editor.Error_Report("Step", "why", 5);
    editor.Error_Report("Step", "", -5);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].text, "Error number:  5\r\nStep failed because of: why");
    EXPECT_EQ(prompts.messages[1].text,
              "Error number: -5\r\nStep failed because of: Description is unavailable :-(");
    EXPECT_EQ(prompts.messages[0].title, "VuzAduvEvez");
    EXPECT_EQ(prompts.messages[0].icon, Prompts::Icon::Critical);
    EXPECT_EQ(prompts.messages[0].buttons, Prompts::Buttons::Ok);
}

TEST_F(DataEditor, UpdateMergesTheHostsNewerSamplesAsBlueRows) {
    const PointPtr known = samplePoint(2, 1, 0);
    host.samplesToDeliver = {{samplePoint(10, 1, 0), known}};
    click("CommandUpdate");
    EXPECT_EQ(host.requestedDates,
              std::vector<double>{data->getMeasurementPoints(2)->MeasurementDate});
    ASSERT_EQ(rows(), 4);
    EXPECT_EQ(editor.GetData(), data);
    EXPECT_EQ(shown(5, 4, Qt::ForegroundRole).value<QColor>(), blue);
    EXPECT_EQ(shown(4, 4, Qt::ForegroundRole).value<QColor>(), black);
    EXPECT_TRUE(editor.hasUnsavedChanges());
    EXPECT_EQ(contentOf(path("work.cal")), "(none)") << "no file written";

    editor.SetData(std::make_shared<MeasurementData>());
    click("CommandUpdate");
    EXPECT_EQ(host.requestedDates.back(), OleDate::fromParts(1970, 1, 1, 0, 0, 0));
    EXPECT_EQ(rows(), 0);

    editor.setOnlineMode(false);
    EXPECT_FALSE(editor.findChild<QPushButton*>("CommandUpdate")->isEnabled());
    EXPECT_TRUE(editor.findChild<QPushButton*>("CommandClear")->isEnabled());
}

class FailingHost : public test::FakeHost {
public:
    std::vector<std::shared_ptr<MeasurementPoint>> getCalibrationData(double lastDate) override {
        FakeHost::getCalibrationData(lastDate);
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
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].text, "Error number:  75\r\nError during upload parameters "
                                        "failed because of: Path/File access error: device gone");
    EXPECT_TRUE(prompts.messages[1].text.startsWith("Error number:  91\r\n"));
    EXPECT_TRUE(editor.CellChecked(2, 1)) << "the grid is refilled after the failed merge";
}

TEST_F(DataEditor, SaveWritesTheWorkingFileAndTurnsTheRowsBlack) {
    host.samplesToDeliver = {{samplePoint(10, 1, 0)}};
    click("CommandUpdate");
    click("CommandSave");
    MeasurementData saved;
    saved.ReadFile(path("work.cal"));
    EXPECT_EQ(saved.pointCount(), 4);
    EXPECT_FALSE(sample(3)->modified);
    EXPECT_EQ(shown(5, 4, Qt::ForegroundRole).value<QColor>(), black);
    EXPECT_FALSE(editor.hasUnsavedChanges());
    EXPECT_TRUE(host.errorMessages.isEmpty());
}

TEST_F(DataEditor, AFailedSaveOrClearNamesFileAndReasonAndLosesNothing) {
    // A directory where the file should be fails for root too.
    const QString taken = path("taken.cal");
    ASSERT_TRUE(QDir(dir.path()).mkpath("taken.cal"));
    writeFile(taken + "/inside", "kept");
    writeFile(path("work.cal"), "old\r\n");
    const struct {
        const char* command;
        QString target;
        QString message;
        bool unwritableSample;
    } cases[] = {
        {"CommandSave", taken,
         "Error during saving data: Path/File access error: cannot open " +
             QDir::toNativeSeparators(taken) + " for writing",
         false},
        {"CommandClear", taken,
         "Error during clearing data: Path/File access error: cannot open " +
             QDir::toNativeSeparators(taken) + " for writing",
         false},
        // A device sample dated beyond the calendar stops the save before the file.
        {"CommandSave", path("work.cal"),
         "Error during saving data, file " + QDir::toNativeSeparators(path("work.cal")) +
             ": Overflow",
         true},
    };
    host.samplesToDeliver = {{samplePoint(10, 1, 0)}};
    click("CommandUpdate");
    for (const auto& c : cases) {
        if (c.unwritableSample) {
            host.samplesToDeliver = {{samplePoint(11, 1, 0)}};
            host.samplesToDeliver.front()[0]->MeasurementDate = 1e9;
            click("CommandUpdate");
        }
        const int before = rows();
        host.errorMessages.clear();
        editor.setDataFileName(c.target);
        click(c.command);
        ASSERT_EQ(host.errorMessages.size(), 1) << c.command;
        EXPECT_TRUE(host.errorMessages[0].startsWith(c.message))
            << host.errorMessages[0].toStdString();
        EXPECT_EQ(rows(), before);
        EXPECT_EQ(data->pointCount(), before);
        EXPECT_TRUE(sample(3)->modified);
        EXPECT_TRUE(editor.hasUnsavedChanges());
    }
    EXPECT_EQ(contentOf(path("work.cal")), "old\r\n");
    EXPECT_EQ(contentOf(taken + "/inside"), "kept");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"work.cal"});
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
    EXPECT_NE(editor.GetData(), data);
    EXPECT_TRUE(editor.isNewMeasurementData());
    EXPECT_TRUE(editor.hasUnsavedChanges()) << "the working file still holds the old set";
    editor.setMeasurementDataValid();
    EXPECT_FALSE(editor.isNewMeasurementData());
    click("CommandSave");
    EXPECT_EQ(contentOf(path("work.cal")), contentOf(path("good.cal")));

    const Prompts::FileDialog& dialog = prompts.fileDialogs[0];
    EXPECT_EQ(dialog.title, "sourceFile");
    EXPECT_EQ(dialog.filter, "allFiles (*.*);;calibrationFile (*.cal)");
    EXPECT_EQ(std::tuple(dialog.defaultSuffix, dialog.proposedName, dialog.fileMustExist),
              std::tuple(QString("cal"), QString("calibration.cal"), true));
}

TEST_F(DataEditor, ExportWritesTheChosenFileAndChangesNothingElse) {
    writeFile(path("readonly.cal"), "mine");
    QFile::setPermissions(path("readonly.cal"), QFile::ReadOwner);
    host.samplesToDeliver = {{samplePoint(10, 1, 0)}};
    click("CommandUpdate");
    prompts.fileNames = {path("readonly.cal"), path("out.cal"), dir.path()};
    click("CommandExport");
    click("CommandExport");
    MeasurementData exported;
    exported.ReadFile(path("out.cal"));
    EXPECT_EQ(exported.pointCount(), 4);
    EXPECT_EQ(contentOf(path("readonly.cal")), "mine");
    ASSERT_EQ(prompts.messages.size(), 1u) << "the read-only target is refused, once";
    EXPECT_EQ(prompts.messages[0].icon, Prompts::Icon::Warning);
    EXPECT_TRUE(host.errorMessages.isEmpty()) << "a failing export says nothing";
    EXPECT_TRUE(sample(3)->modified);
    EXPECT_EQ(contentOf(path("work.cal")), "(none)");
    EXPECT_EQ(prompts.fileDialogs[0].title, "destinationFile");
    EXPECT_TRUE(prompts.fileDialogs[0].confirmOverwrite);
}

TEST_F(DataEditor, ClearEmptiesFileAndGridUnlessCancelled) {
    writeFile(path("work.cal"), "old\r\n");
    host.dialogAnswers = {2, 1};
    click("CommandClear");
    EXPECT_EQ(rows(), 3);
    EXPECT_EQ(contentOf(path("work.cal")), "old\r\n");
    click("CommandClear");
    EXPECT_EQ(host.callsWithoutTranslations(), QStringList(2, "showDialog(1,areyousureclearlabs)"));
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(data->pointCount(), 0);
    EXPECT_EQ(contentOf(path("work.cal")), "\r\n");
    EXPECT_FALSE(editor.hasUnsavedChanges());
}

TEST_F(DataEditor, ButtonsStandInOneRowAtTheTopRightAboveTheGrid) {
    const auto at = [this](const char* name) {
        return editor.findChild<QWidget*>(name)->geometry();
    };
    const QRect update = at("CommandUpdate");
    EXPECT_NEAR(update.right(), editor.width() - 8, 2);
    QRect right = update;
    for (const char* name : {"CommandSave", "CommandExport", "CommandImport", "CommandClear"}) {
        EXPECT_EQ(at(name).top(), update.top()) << name;
        EXPECT_NEAR(right.left() - at(name).right(), 5, 1) << name;
        right = at(name);
    }
    EXPECT_EQ(at("Label1").bottom() + 1, at("scgData").top() - 4);
    EXPECT_GT(at("scgData").top(), update.bottom());
    EXPECT_NEAR(at("scgData").bottom(), editor.height() - 8, 2);
    editor.resize(200, 100);
    EXPECT_EQ(at("CommandUpdate"), update) << "no re-layout below the minimum size";
}

} // namespace
