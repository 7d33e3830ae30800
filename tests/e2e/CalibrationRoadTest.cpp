#include "ChildWidget.h"
#include "FakeHost.h"
#include "SampleData.h"
#include "ScriptedPrompts.h"

#include <orvo/views/OrvoCalibrationGUI.h>
#include <orvo/views/UCCalibration.h>
#include <orvo/views/UCDataEditor.h>
#include <orvo/views/controls/XYChart.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace orvo;

constexpr int SampleCount = 14;
constexpr int OutlierIndex = 5;
constexpr int DisabledIndex = 3;
constexpr int LabConsColumn = 15;

// Cons = 2 * SIG1 + 3 * SIG2 + 1 on grade 1, but for one outlier; the last
// two samples come without lab values, which the user types in.
double labCons(int i, const std::array<double, 10>& values) {
    return 2 * values[0] + 3 * values[1] + 1 + (i == OutlierIndex ? 6.0 : 0.0);
}

std::array<double, 10> signalsOf(int i) {
    std::array<double, 10> values{};
    for (std::size_t k = 0; k < values.size(); ++k)
        values[k] = static_cast<double>((i * (7 + 3 * k) + k * k) % 13) + 0.25 * i;
    return values;
}

class CalibrationRoad : public testing::Test {
protected:
    void SetUp() override {
        auto data = std::make_shared<MeasurementData>();
        for (int i = 0; i < SampleCount; ++i) {
            const bool typedLater = i >= SampleCount - 2;
            data->AddMeasurementPoint(
                test::samplePoint(i, 1, typedLater ? 0.0 : labCons(i, signalsOf(i)), signalsOf(i)));
        }
        file = QDir(directory.path()).filePath(QStringLiteral("road.cal"));
        data->SaveFile(file);
        shell.setCommunication(&host);
        shell.setDataFile(file);
        shell.setOnlineMode(true);
        shell.translate();
        shell.resize(1200, 860);
        shell.show();
    }

    template <typename T> T* child(const char* name) { return orvo::test::childOf<T>(shell, name); }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    QTableView* grid() { return child<QTableView>("scgData"); }
    void typeLabCons(int sample, double value) {
        const QModelIndex cell = grid()->model()->index(sample, LabConsColumn);
        grid()->setCurrentIndex(cell);
        grid()->edit(cell);
        auto* line = grid()->findChild<QLineEdit*>();
        ASSERT_NE(line, nullptr);
        line->clear();
        QTest::keyClicks(line, QLocale().toString(value, 'f', 4));
        QTest::keyClick(line, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void select(const char* name, int index) {
        auto* combo = child<QComboBox>(name);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // Clicks the chart point farthest from lab = estimate and returns it.
    int clickFarthestChartPoint() {
        XYChart* chart = child<XYChart>("Pesgo1");
        const auto off = [&](int i) {
            return std::abs(chart->point(0, i).x() - chart->point(0, i).y());
        };
        int farthest = 0;
        for (int k = 1; k < chart->pointCount(0); ++k)
            if (off(k) > off(farthest))
                farthest = k;
        QTest::mouseClick(chart->clickTarget(), Qt::LeftButton, {},
                          chart->mapToPixel(chart->point(0, farthest)));
        return farthest;
    }
    // The follow-up view's cursor starts on the first drawn sample, the
    // first one of the set; its estimate is summed in float as the device does.
    QStringList firstFollowedSample(const CalibrationFormula& formula) {
        float estimate = 0;
        for (int k = 1; k <= 10; ++k)
            estimate = static_cast<float>(estimate + formula.coefficient(k) * signalsOf(0)[k - 1]);
        estimate = static_cast<float>(estimate + formula.b);
        const auto lab = static_cast<float>(labCons(0, signalsOf(0)));
        return {"1", QLocale().toString(lab), QLocale().toString(estimate, 'f', 4),
                QLocale().toString(lab - estimate, 'f', 4)};
    }

    QTemporaryDir directory;
    QString file;
    test::FakeHost host;
    test::ScriptedPrompts prompts;
    OrvoCalibrationGUI shell;
};

TEST_F(CalibrationRoad, FromTheDataFileToAFormulaWrittenToTheDevice) {
    for (int i = SampleCount - 2; i < SampleCount; ++i)
        typeLabCons(i, labCons(i, signalsOf(i)));
    auto* editor = child<UCDataEditor>("UCDataEditor1");
    grid()->setCurrentIndex(grid()->model()->index(DisabledIndex, 0));
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_TRUE(editor->hasUnsavedChanges());
    click("CommandSave");
    EXPECT_FALSE(editor->hasUnsavedChanges());
    MeasurementData saved;
    saved.ReadFile(file);
    EXPECT_FALSE(saved.getMeasurementPoints(DisabledIndex)->enabled);
    EXPECT_NEAR(saved.getMeasurementPoints(SampleCount - 1)->LabCons,
                labCons(SampleCount - 1, signalsOf(SampleCount - 1)), 1e-4);

    click("CommandRegression");
    select("ComboMeasurement", 0);
    select("ComboVariables", 1);
    click("CommandCalculate");
    XYChart* chart = child<XYChart>("Pesgo1");
    EXPECT_EQ(chart->pointCount(0), SampleCount - 1) << "the disabled sample is not fitted";
    EXPECT_NE(child<QLineEdit>("TextCorr")->text(), "1");

    const int outlier = clickFarthestChartPoint();
    click("CommandDelete");
    EXPECT_EQ(chart->pointColor(0, outlier), QColor(0, 0, 0));
    EXPECT_FALSE(editor->GetData()->getMeasurementPoints(OutlierIndex)->enabled)
        << "the farthest point is the outlier, changed in the shared set";
    click("CommandCalculate");
    EXPECT_EQ(child<QLineEdit>("TextCorr")->text(), "1");
    auto* workbench = child<UCCalibration>("UCCalibration1");
    const auto fitted = workbench->getCurrentFormula();
    ASSERT_TRUE(fitted);
    EXPECT_NEAR(fitted->a1, 2.0, 1e-4);
    EXPECT_NEAR(fitted->a2, 3.0, 1e-4);
    EXPECT_NEAR(fitted->b, 1.0, 1e-3);

    click("CommandNext");
    EXPECT_EQ(child<QComboBox>("ComboVariables")->currentText(), "3");
    QComboBox* formulas = child<QComboBox>("ComboFormulas");
    ASSERT_GT(formulas->count(), 1);
    formulas->setCurrentIndex(1);
    EXPECT_EQ(workbench->getCurrentFormula()->countTerms(), 3);

    const CalibrationFormula picked = *workbench->getCurrentFormula();
    click("CommandFollowUp");
    QStringList readouts;
    for (const char* name : {"TextNum", "TextLabValue", "TextEstValue", "TextDiff"})
        readouts << child<QLineEdit>(name)->text();
    EXPECT_EQ(readouts, firstFollowedSample(picked));
    prompts.onModal = [](QWidget& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("ComboGrade"))->setCurrentIndex(2);
        dialog.findChild<QPushButton*>(QStringLiteral("CommandWrite"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("CommandOK"))->click();
        return 0;
    };
    click("CommandFormula");
    ASSERT_EQ(host.writtenFormulas.size(), 2u);
    for (int grade : {1, 2}) {
        // The dialog's boxes hold the 7-digit text form, so that is what the device gets.
        EXPECT_EQ(host.writtenFormulas[grade - 1].Grade, grade);
        EXPECT_EQ(host.writtenFormulas[grade - 1].GetFormulaString(), picked.GetFormulaString());
    }

    click("CommandData");
    EXPECT_FALSE(editor->CellChecked(static_cast<int16_t>(OutlierIndex + 2), 1))
        << "the editor shows the point the workbench disabled";
    EXPECT_TRUE(editor->hasUnsavedChanges());
}

} // namespace
