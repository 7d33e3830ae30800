#include "ChildWidget.h"
#include "FakeHost.h"
#include "SampleData.h"
#include "ScriptedPrompts.h"
#include "TestFiles.h"

#include <orvo/views/ResultTable.h>
#include <orvo/views/UCCalibration.h>
#include <orvo/views/UCFollowUp.h>
#include <orvo/views/controls/XYChart.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

using orvo::test::samplePoint;

// Cons = 2 * SIG1 + 1 exactly, grade 1; SIG2..SIG10 are scrambled values
// independent of it, so every one-variable subset is a distinct candidate.
std::shared_ptr<orvo::MeasurementData> workbenchData(int count) {
    auto data = std::make_shared<orvo::MeasurementData>();
    uint32_t state = 12345;
    const auto scrambled = [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<double>((state >> 8) % 1000) / 10.0;
    };
    for (int i = 0; i < count; ++i) {
        std::array<double, 10> signalValues{};
        signalValues[0] = 1 + i;
        for (std::size_t k = 1; k < signalValues.size(); ++k)
            signalValues[k] = scrambled();
        data->AddMeasurementPoint(samplePoint(i, 1, 2 * signalValues[0] + 1, signalValues));
    }
    return data;
}

// Noise within 0.2 on every sample, and sample 8 reads 5 above the line.
void plantOutlier(orvo::MeasurementData& data) {
    for (int16_t i = 0; i < data.pointCount(); ++i)
        data.getMeasurementPoints(i)->LabCons += 0.1 * ((i * 7) % 5 - 2);
    data.getMeasurementPoints(7)->LabCons += 5;
}

class WorkbenchTest : public testing::Test {
protected:
    void SetUp() override {
        view.setCommunication(&host);
        view.resize(1100, 700);
        view.show();
        data = workbenchData(12);
        view.SetMeasurementData(data);
    }

    template <typename T = QPushButton> T* child(const char* name) {
        return orvo::test::childOf<T>(view, name);
    }
    void click(const char* name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    bool isOn(const char* name) { return child(name)->isEnabled(); }
    QString variables() { return child<QComboBox>("ComboVariables")->currentText(); }
    QComboBox* formulas() { return child<QComboBox>("ComboFormulas"); }
    orvo::XYChart* chart() { return child<orvo::XYChart>("Pesgo1"); }
    QString detail(const char* key) {
        for (QTreeWidgetItem* item :
             child<QTreeWidget>("ListView1")->findItems({}, Qt::MatchContains))
            if (item->data(0, Qt::UserRole).toString() == QLatin1String(key))
                return item->text(1);
        ADD_FAILURE() << "no row " << key;
        return {};
    }
    void clickChartPoint(int index) {
        const QPointF value = chart()->point(0, index);
        QTest::mouseClick(chart()->clickTarget(), Qt::LeftButton, {}, chart()->mapToPixel(value));
    }
    void setVariables(int count) {
        QComboBox* combo = child<QComboBox>("ComboVariables");
        combo->setCurrentIndex(count - 1);
        emit combo->activated(count - 1);
    }
    bool looksReset() {
        return chart()->isHidden() && formulas()->count() == 0 && detail("Num.").isEmpty() &&
               !isOn("CommandNext") && !isOn("CommandDelete") && !isOn("CommandExportReport") &&
               child<QLineEdit>("TextCorr")->text().isEmpty() &&
               child("CommandDelete")->text() == "Disable point";
    }
    // Results over all samples, which the change then has to reset.
    void expectResetBy(const char* what, const std::function<void()>& change) {
        child<QLineEdit>("TextStartpoint")->setText("1");
        child<QLineEdit>("TextEndpoint")->setText("12");
        click("CommandCalculate");
        ASSERT_FALSE(looksReset()) << what;
        change();
        EXPECT_TRUE(looksReset()) << what;
    }

    orvo::test::FakeHost host;
    orvo::test::ScriptedPrompts prompts;
    orvo::UCCalibration view;
    std::shared_ptr<orvo::MeasurementData> data;
};

TEST_F(WorkbenchTest, StartsWithEmptyResultsTheDocumentedInputsAndCaptionsFromTheHost) {
    orvo::UCCalibration fresh;
    const auto* measurement = fresh.findChild<QComboBox*>("ComboMeasurement");
    EXPECT_EQ(QStringList({measurement->currentText(),
                           fresh.findChild<QComboBox*>("ComboVariables")->currentText(),
                           fresh.findChild<QLineEdit*>("TextStartpoint")->text(),
                           fresh.findChild<QLineEdit*>("TextEndpoint")->text(),
                           fresh.findChild<orvo::XYChart*>("Pesgo1")->xAxisTitle()}),
              QStringList({"Cons", "1", "1", "1", "Laboratory measurement"}));
    EXPECT_EQ(measurement->count(), 4);
    EXPECT_EQ(fresh.findChild<QTreeWidget*>("ListView1")->topLevelItemCount(), 21);
    EXPECT_FALSE(fresh.getCurrentFormula());
    EXPECT_EQ(child<QLineEdit>("TextEndpoint")->text(), "12") << "SetMeasurementData";
    EXPECT_TRUE(looksReset());

    host.translations = {{"grade", "Sorte"}, {"labRes", "Labor Res "}, {"date", "Datum"}};
    view.translate();
    auto* list = child<QTreeWidget>("ListView1");
    EXPECT_EQ(QStringList({child<QCheckBox>("CheckGrade1")->text(),
                           child<QCheckBox>("CheckGrade2")->text(), list->topLevelItem(1)->text(0),
                           list->topLevelItem(3)->text(0), list->topLevelItem(17)->text(0),
                           chart()->yAxisTitle()}),
              QStringList({"Sorte1", "Sorte2", "Datum", "DLed", "Labor Res 1", "estimatedValue"}));
}

// The ranking itself is the engine's; the list shows it as it comes.
TEST_F(WorkbenchTest, CalculateListsCandidatesBestFirstAndChartsTheFirst) {
    click("CommandCalculate");
    ASSERT_EQ(formulas()->count(), 10);
    EXPECT_EQ(formulas()->itemText(0), "2 * DLed  + 1 / correlation : 1");
    EXPECT_TRUE(chart()->isVisible());
    EXPECT_EQ(std::tuple(chart()->pointCount(0), chart()->pointColor(0, 3), chart()->pointCount(1),
                         chart()->seriesColor(1)),
              std::tuple(12, QColor(0, 0, 255), 2, QColor(255, 0, 0)));
    EXPECT_EQ(
        QStringList({child<QLineEdit>("TextCorr")->text(), detail("Num."), detail("Lab.Cons.")}),
        QStringList({"1", "1", "3"}));
    const auto formula = view.getCurrentFormula();
    ASSERT_TRUE(formula);
    EXPECT_EQ(std::pair(formula->a1, formula->Grade), std::pair(2.0f, int16_t{1}));

    formulas()->setCurrentIndex(3);
    EXPECT_EQ(child<QLineEdit>("TextCorr")->text(), formulas()->itemText(3).section(": ", -1));
}

TEST_F(WorkbenchTest, ExportReportWritesAPdfWhereTheUserChoseAndNothingWhenCancelled) {
    const QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("report.pdf"));
    click("CommandCalculate");
    formulas()->setCurrentIndex(1);
    click("CommandExportReport");
    EXPECT_EQ(orvo::test::contentOf(path), "(none)");

    prompts.fileNames.push_back(path);
    click("CommandExportReport");
    ASSERT_EQ(prompts.fileDialogs.size(), 2u);
    EXPECT_EQ(prompts.fileDialogs[1].defaultSuffix, "pdf");
    EXPECT_EQ(orvo::test::contentOf(path).left(5), "%PDF-");
}

TEST_F(WorkbenchTest, NextAndPreviousStepTheVariableCountWithinTheirLimits) {
    setVariables(4);
    click("CommandCalculate");
    click("CommandNext");
    EXPECT_EQ(variables(), "5");
    EXPECT_TRUE(formulas()->count() > 0 && chart()->isVisible());
    EXPECT_EQ(std::pair(isOn("CommandNext"), isOn("CommandPrevious")), std::pair(false, true));
    for (int count = 4; count >= 1; --count) {
        click("CommandPrevious");
        EXPECT_EQ(variables(), QString::number(count));
    }
    EXPECT_EQ(std::pair(isOn("CommandNext"), isOn("CommandPrevious")), std::pair(true, false));
    EXPECT_TRUE(host.errorMessages.isEmpty());
}

TEST_F(WorkbenchTest, CommandsReportIllegalRangesAndTooFewPoints) {
    child<QLineEdit>("TextStartpoint")->setText("0");
    click("CommandCalculate");
    child<QLineEdit>("TextStartpoint")->setText("9");
    click("CommandCalculate");
    EXPECT_EQ(host.errorMessages, QStringList({"illegalValues"}));
    ASSERT_EQ(formulas()->count(), 10) << "four points are enough for one variable";

    setVariables(4);
    click("CommandCalculate");
    EXPECT_EQ(host.errorMessages.last(), "noLabValues");
    EXPECT_TRUE(looksReset()) << "a stopped run leaves the reset view";
}

// The chart's colours follow the shared set, but only while its results are
// current; a redraw keeps the cursor within the plotted points.
TEST_F(WorkbenchTest, APointDisabledFromTheChartTurnsBlackAndIsLeftOutOfTheNextRun) {
    click("CommandCalculate");
    clickChartPoint(5);
    EXPECT_EQ(detail("Num."), "6");
    QPushButton* toggle = child("CommandDelete");
    const auto sixth = [&] {
        return std::tuple(chart()->pointColor(0, 5), toggle->text(),
                          data->getMeasurementPoints(5)->enabled);
    };
    EXPECT_TRUE(toggle->isEnabled());
    EXPECT_EQ(sixth(), std::tuple(QColor(0, 0, 255), QString("disablePoint"), true));

    QSignalSpy changed(&view, &orvo::UCCalibration::samplesChanged);
    click("CommandDelete");
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].value<QList<int>>(), QList<int>{5});
    EXPECT_EQ(sixth(), std::tuple(QColor(0, 0, 0), QString("enablePoint"), false));
    click("CommandDelete");
    EXPECT_EQ(sixth(), std::tuple(QColor(0, 0, 255), QString("disablePoint"), true));
    click("CommandDelete");

    click("CommandCalculate");
    EXPECT_EQ(chart()->pointCount(0), 11);
    clickChartPoint(5);
    EXPECT_EQ(detail("Num."), "7");
    clickChartPoint(10);
    child<QLineEdit>("TextEndpoint")->setText("6");
    click("CommandCalculate");
    EXPECT_LT(chart()->pointCursor().point, 5);
    EXPECT_FALSE(detail("Num.").isEmpty());

    data->getMeasurementPoints(0)->enabled = false;
    view.updatePointColors();
    EXPECT_EQ(std::pair(chart()->pointColor(0, 0), chart()->pointCount(0)),
              std::pair(QColor(0, 0, 0), 5));
    view.resetResults();
    data->getMeasurementPoints(0)->enabled = true;
    view.updatePointColors();
    EXPECT_EQ(chart()->pointColor(0, 0), QColor(0, 0, 0));
}

TEST_F(WorkbenchTest, EveryInputChangeResetsTheResultsAndCalculateNeedsAGrade) {
    expectResetBy("measurement", [&] { emit child<QComboBox>("ComboMeasurement")->activated(0); });
    expectResetBy("variables", [&] { setVariables(1); });
    expectResetBy("grade box",
                  [&] { QTest::mouseClick(child<QCheckBox>("CheckGrade2"), Qt::LeftButton); });
    expectResetBy("start text", [&] { QTest::keyClicks(child<QLineEdit>("TextStartpoint"), "0"); });
    expectResetBy("end text", [&] { child<QLineEdit>("TextEndpoint")->setText("11"); });
    expectResetBy("data set", [&] { view.SetMeasurementData(data); });

    for (const char* box : {"CheckGrade2", "CheckGrade1"})
        QTest::mouseClick(child<QCheckBox>(box), Qt::LeftButton);
    EXPECT_FALSE(isOn("CommandCalculate")) << "no grade checked";
    QTest::mouseClick(child<QCheckBox>("CheckGrade2"), Qt::LeftButton);
    EXPECT_TRUE(isOn("CommandCalculate"));
}

// The result window is one shared table that shows the last run's block.
TEST_F(WorkbenchTest, APlantedOutlierIsMarkedExplainedAndListedWhileTheFollowUpChartStaysPlain) {
    QWidget* shown = nullptr;
    prompts.onModal = [&](QWidget& window) {
        shown = &window;
        return 0;
    };
    const auto diagnostics = [&] {
        return shown->findChild<QTableWidget*>("scgDiagnostics");
    };
    click("CommandResult");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(QStringList({shown->windowTitle(),
                           shown->findChild<QGroupBox*>("FrameDiagnostics")->title()}),
              QStringList({"calculationResultTable", "Diagnostics of the candidates"}));
    ASSERT_EQ(diagnostics()->rowCount(), 1) << "before a run, the captions alone";
    EXPECT_EQ(std::pair(diagnostics()->item(0, 0)->text(), diagnostics()->item(0, 7)->text()),
              std::pair(QString("Candidate"), QString("RMSECV")));

    plantOutlier(*data);
    data->getMeasurementPoints(3)->Grade = 2; // charted, but not fitted
    click("CommandCalculate");
    ASSERT_EQ(chart()->markCount(), 3);
    EXPECT_TRUE(chart()->isLegendShown());
    EXPECT_EQ(chart()->markedPoints(0), QList<int>{7}) << "outlier";
    EXPECT_TRUE(chart()->markedPoints(1).isEmpty()) << "high leverage";
    EXPECT_TRUE(chart()->markedPoints(2).contains(7)) << "influential";
    EXPECT_EQ(chart()->pointColor(0, 7), QColor(0, 0, 255));
    const QStringList tip = chart()->pointToolTip(0, 7).split('\n');
    ASSERT_EQ(tip.size(), 9);
    EXPECT_EQ(QStringList({tip[0], tip[2], tip[8]}),
              QStringList({"Sample: 8", "Lab value: 22.2", "Flagged: outlier, influential"}));
    EXPECT_TRUE(tip[6].startsWith("Studentized residual: ")) << tip[6].toStdString();
    EXPECT_TRUE(chart()->pointToolTip(0, 3).endsWith("\nNot in the fit"));
    EXPECT_FALSE(chart()->pointToolTip(0, 2).contains("Flagged"));

    click("CommandResult");
    EXPECT_EQ(prompts.modalRuns, 2);
    EXPECT_EQ(view.findChildren<orvo::ResultTable*>(),
              QList<orvo::ResultTable*>{qobject_cast<orvo::ResultTable*>(shown)});
    ASSERT_EQ(diagnostics()->rowCount(), formulas()->count() + 1);
    for (int k = 0; k < formulas()->count(); ++k) {
        const auto cell = [&](int column) {
            return diagnostics()->item(k + 1, column)->text();
        };
        EXPECT_EQ(QStringList({cell(0), cell(1), cell(2)}),
                  QStringList({QString::number(k + 1), "11", "2"}))
            << k;
        EXPECT_EQ(formulas()->itemData(k, Qt::ToolTipRole).toString().section('\n', 0, 0),
                  "RMSECV: " + cell(7))
            << "the entry's tooltip and its row tell the same";
    }
    const QStringList summary = formulas()->itemData(0, Qt::ToolTipRole).toString().split('\n');
    ASSERT_EQ(summary.size(), 5);
    EXPECT_TRUE(summary[4].startsWith("Largest VIF: "));
    formulas()->setCurrentIndex(2);
    EXPECT_EQ(formulas()->toolTip(), formulas()->itemData(2, Qt::ToolTipRole).toString());
    EXPECT_NE(formulas()->toolTip(), summary.join('\n'));

    orvo::UCFollowUp followUp;
    followUp.setCommunication(&host);
    followUp.Enable_Chart();
    followUp.UpdateChart(data, *view.getCurrentFormula(), 1, 12);
    auto* plain = followUp.findChild<orvo::XYChart*>("Pesgo1");
    EXPECT_EQ(std::tuple(plain->markCount(), plain->isLegendShown(), plain->pointToolTip(0, 7)),
              std::tuple(0, false, QString()));
}

} // namespace
