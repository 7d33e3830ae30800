#include "ChildWidget.h"
#include "FakeHost.h"
#include "SampleData.h"
#include "ScriptedPrompts.h"

#include <orvo/views/UCFollowUp.h>
#include <orvo/views/controls/XYChart.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace orvo;
using test::samplePoint;

// Sample 2 has no lab value and sample 3 is disabled; with Cons = 2 * DLed
// sample 1 reads 10 against 8 and sample 5 has an estimate of 0.
std::shared_ptr<MeasurementData> followedData() {
    auto data = test::dataOf({samplePoint(0, 1, 10, {4}), samplePoint(1, 1, 0, {2}),
                              samplePoint(2, 2, 5, {1}), samplePoint(3, 2, 6, {3}),
                              samplePoint(4, 1, 7, {0})});
    data->getMeasurementPoints(2)->enabled = false;
    return data;
}

CalibrationFormula doubled() {
    CalibrationFormula formula;
    formula.a1 = 2;
    return formula;
}

class FollowUpTest : public testing::Test {
protected:
    void SetUp() override {
        view.setCommunication(&host);
        view.resize(900, 560);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    template <typename T> T* child(const char* name) { return orvo::test::childOf<T>(view, name); }
    XYChart* chart() { return child<XYChart>("Pesgo1"); }
    QString text(const char* name) { return child<QLineEdit>(name)->text(); }
    QStringList readouts() {
        return {text("TextNum"), text("TextLabValue"), text("TextEstValue"), text("TextDiff"),
                text("TextDiffPer")};
    }
    void clickChartAt(int x) {
        QWidget* target = chart()->clickTarget();
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(x, target->height() / 2));
    }
    // Runs the formula dialog with one box edited, ending with OK or Cancel;
    // the device goes online meanwhile.
    void answerDialog(const char* box, const char* text, const char* closing) {
        prompts.onModal = [=, this](QWidget& window) {
            view.setOnlineMode(true);
            readEnabled = window.findChild<QPushButton*>("CommandRead")->isEnabled();
            window.findChild<QLineEdit*>(QString::fromLatin1(box))->setText(text);
            window.findChild<QPushButton*>(QString::fromLatin1(closing))->click();
            return 0;
        };
        child<QPushButton>("CommandFormula")->click();
    }

    test::FakeHost host;
    test::ScriptedPrompts prompts;
    UCFollowUp view;
    std::shared_ptr<MeasurementData> data = followedData();
    bool readEnabled = false;
};

// A new set waits for the next drawing; disabling empties the readouts too.
TEST_F(FollowUpTest, DrawsSamplesWithoutGapsAndReadsTheSampleUnderTheCursorUntilDisabled) {
    view.UpdateChart(data, doubled(), 2, 4);
    EXPECT_TRUE(chart()->isHidden() && chart()->seriesCount() == 0);

    view.Enable_Chart();
    view.UpdateChart(data, doubled(), 2, 4);
    EXPECT_EQ(text("TextFormula"), "Cons = 2 * DLed  - 0");
    EXPECT_EQ(chart()->points(0), (QList<QPointF>{{1, 10}, {2, 6}, {3, 7}}));
    EXPECT_EQ(chart()->points(1), (QList<QPointF>{{1, 8}, {2, 6}, {3, 0}}));
    ASSERT_EQ(chart()->rangeLines().size(), 2);
    EXPECT_EQ(std::pair(chart()->rangeLines()[0].x, chart()->rangeLines()[1].x),
              std::pair(1.5, 2.5));
    EXPECT_EQ(readouts(), QStringList({"1", "10", "8.0000", "2.0000", "25.00 %"}));

    clickChartAt(chart()->clickTarget()->width() - 2);
    EXPECT_EQ(readouts(), QStringList({"5", "7", "0.0000", "7.0000", "-"}));
    clickChartAt(1);
    EXPECT_EQ(text("TextNum"), "1");
    child<QCheckBox>("CheckShowDisabled")->click();
    EXPECT_EQ(chart()->pointCount(0), 4);
    QTest::keyClick(chart()->clickTarget()->parentWidget(), Qt::Key_Right);
    EXPECT_EQ(text("TextNum"), "3");

    view.SetMeasurementData(test::dataOf({samplePoint(0, 1, 3, {1})}));
    EXPECT_EQ(chart()->pointCount(0), 4);
    child<QCheckBox>("CheckShowDisabled")->click();
    EXPECT_EQ(chart()->pointCount(0), 1);
    view.Disable_Chart();
    EXPECT_TRUE(chart()->isHidden());
    EXPECT_EQ(readouts() << text("TextFormula"), QStringList(6, ""));
}

TEST_F(FollowUpTest, CancelLeavesTheChartOkRedrawsOverTheWholeSetEvenWhenDisabled) {
    view.Enable_Chart();
    view.UpdateChart(data, doubled(), 2, 4);
    answerDialog("TextB", "1", "CommandCancel");
    EXPECT_EQ(chart()->points(1), (QList<QPointF>{{1, 8}, {2, 6}, {3, 0}}));
    EXPECT_EQ(chart()->rangeLines().size(), 2);
    EXPECT_TRUE(readEnabled);

    view.Disable_Chart();
    answerDialog("TextA1", "1", "CommandOK");
    EXPECT_TRUE(chart()->isVisible());
    EXPECT_EQ(chart()->points(1), (QList<QPointF>{{1, 4}, {2, 3}, {3, 0}}));
    EXPECT_TRUE(chart()->rangeLines().isEmpty());
    EXPECT_EQ(prompts.modalRuns, 2);
}

} // namespace
