#include "ChildWidget.h"
#include "FakeHost.h"
#include "SampleData.h"
#include "ScriptedPrompts.h"

#include <orvo/views/OrvoCalibrationGUI.h>
#include <orvo/views/ShellLayout.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using orvo::test::samplePoint;

class ShellTest : public testing::Test {
protected:
    void SetUp() override {
        shell.setCommunication(&host);
        shell.resize(1100, 800);
        shell.show();
    }

    QString writeFile(const char* name, int count) {
        auto data = std::make_shared<orvo::MeasurementData>();
        for (int i = 0; i < count; ++i)
            data->AddMeasurementPoint(samplePoint(i, 1, 1.0 + i, {2.0 + i, 1.0 + i * i}));
        const QString path = QDir(directory.path()).filePath(QString::fromLatin1(name));
        data->SaveFile(path);
        return path;
    }
    template <typename T> T* child(const char* name) { return orvo::test::childOf<T>(shell, name); }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    bool onlyVisible(const char* name) {
        for (const char* view : {"UCDataEditor1", "UCCalibration1", "UCFollowUp1"})
            if (child<QWidget>(view)->isVisible() != (qstrcmp(view, name) == 0))
                return false;
        return true;
    }
    int gridSamples() { return child<QTableView>("scgData")->model()->rowCount(); }
    QString workbenchEnd() { return child<QLineEdit>("TextEndpoint")->text(); }

    QTemporaryDir directory;
    orvo::test::FakeHost host;
    orvo::test::ScriptedPrompts prompts;
    orvo::OrvoCalibrationGUI shell;
};

TEST_F(ShellTest, StartsWithTheDataEditorAloneAndTranslatesItsOwnCaptions) {
    EXPECT_TRUE(onlyVisible("UCDataEditor1"));
    EXPECT_TRUE(shell.bClean());
    EXPECT_EQ(child<QPushButton>("CommandRegression")->text(), "Multi regression");
    host.translations = {{"data", "Daten"}, {"calibration", "Kalibrierung"}};
    shell.translate();
    EXPECT_EQ(QStringList({child<QPushButton>("CommandData")->text(),
                           child<QLabel>("LabelCalibration")->text(),
                           child<QPushButton>("CommandFollowUp")->text()}),
              QStringList({"Daten", "Kalibrierung", "followUp"}));
}

TEST_F(ShellTest, AMissingFileGivesEveryViewAnEmptySetWithoutAMessage) {
    shell.setDataFile(writeFile("four.cal", 4));
    shell.setDataFile(QStringLiteral("/no/such/file.cal"));
    EXPECT_EQ(std::tuple(shell.FileName(), gridSamples(), workbenchEnd()),
              std::tuple(QString("/no/such/file.cal"), 0, QString("0")));
    EXPECT_TRUE(host.callsWithoutTranslations().isEmpty());
    EXPECT_TRUE(prompts.messages.empty());
}

// The road test sees the follow-up chart after a run, through its readouts.
TEST_F(ShellTest, SwitchingHandsAnImportedSetToTheWorkbenchAndTheFollowUpChartWaitsForARun) {
    shell.setDataFile(writeFile("five.cal", 5));
    click("CommandFollowUp");
    EXPECT_TRUE(onlyVisible("UCFollowUp1"));
    EXPECT_FALSE(child<QWidget>("UCFollowUp1")->findChild<QWidget*>("Pesgo1")->isVisible());
    click("CommandRegression");
    EXPECT_TRUE(onlyVisible("UCCalibration1"));
    child<QLineEdit>("TextEndpoint")->setText(QStringLiteral("3"));
    click("CommandData");
    click("CommandRegression");
    EXPECT_EQ(workbenchEnd(), "3") << "no import: the workbench keeps its set and inputs";

    prompts.fileNames = {writeFile("seven.cal", 7)};
    click("CommandData");
    click("CommandImport");
    EXPECT_EQ(gridSamples(), 7);
    click("CommandRegression");
    EXPECT_EQ(workbenchEnd(), "7");
    click("CommandData");
    EXPECT_TRUE(onlyVisible("UCDataEditor1"));
}

TEST(ShellLayout, StacksHeaderViewsButtonsAndStatusBarAndRightAlignsTheButtons) {
    using orvo::ShellLayout;
    const ShellLayout layout = ShellLayout::forSize(QSize(15000, 11000), 300);
    EXPECT_EQ(layout.views, QRect(0, ShellLayout::HeaderHeight, 15000,
                                  11000 - ShellLayout::HeaderHeight - 300 -
                                      ShellLayout::ButtonHeight - ShellLayout::Margin));
    EXPECT_EQ(layout.commandData.top(), layout.views.bottom() + 1 + ShellLayout::ButtonGap);
    EXPECT_EQ(layout.commandFollowUp.right(), layout.image2.right());
    EXPECT_LT(layout.commandData.right(), layout.commandRegression.left());
    EXPECT_LT(layout.commandRegression.right(), layout.commandFollowUp.left());
    EXPECT_EQ(layout.statusBar.bottom(), 11000 - 1);
    EXPECT_EQ(layout.image1.topLeft(), QPoint(30, 30));
    EXPECT_EQ(ShellLayout::forSize(QSize(500, 500), 300).views.height(), 0);
}

} // namespace
