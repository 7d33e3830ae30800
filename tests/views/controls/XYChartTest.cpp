#include <orvo/model/CalibrationError.h>
#include <orvo/views/controls/XYChart.h>

#include <QApplication>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

using orvo::ChartPointRef;
using orvo::XYChart;

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QColor black(0, 0, 0);

class XYChartTest : public testing::Test {
protected:
    void SetUp() override {
        m_chart.resize(640, 480);
        m_chart.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_chart));
        m_markers = m_chart.addSeries(XYChart::SeriesStyle::Markers, blue);
        m_line = m_chart.addSeries(XYChart::SeriesStyle::Line, red);
        m_chart.setPoints(m_markers, {{1.0, 1.2}, {2.0, 1.8}, {3.0, 3.1}, {4.0, 3.9}});
        m_chart.setPoints(m_line, {{0.8, 0.8}, {4.2, 4.2}});
        m_chart.redraw();
    }

    void click(QPoint pixel, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(m_chart.clickTarget(), button, modifiers, pixel);
    }
    QPoint pixelOf(int index) { return m_chart.mapToPixel(m_chart.point(m_markers, index)); }

    XYChart m_chart;
    int m_markers = -1;
    int m_line = -1;
};

TEST_F(XYChartTest, OnlyALeftClickNearAPointWithSelectionOnMovesTheCursorAndEveryClickIsReported) {
    QSignalSpy moved(&m_chart, &XYChart::cursorMoved);
    QSignalSpy clicked(&m_chart, &XYChart::mouseClicked);
    click(pixelOf(1));
    m_chart.setPointSelectionEnabled(true);
    click(m_chart.mapToPixel({3.8, 1.2}));
    click(pixelOf(1), Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(moved.count(), 0);
    EXPECT_EQ(m_chart.pointCursor(), (ChartPointRef{0, 0}));
    ASSERT_EQ(clicked.count(), 3);
    // Within a pixel of the value clicked.
    EXPECT_NEAR(clicked.at(2).at(0).toPointF().x(), 2.0, 0.02);
    EXPECT_NEAR(clicked.at(2).at(0).toPointF().y(), 1.8, 0.02);
    EXPECT_EQ(clicked.at(2).at(1).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(clicked.at(2).at(2).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);

    click(pixelOf(2) + QPoint(3, -2));
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0), (QList<QVariant>{m_markers, 2}));
    EXPECT_EQ(m_chart.pointCursor(), (ChartPointRef{m_markers, 2}));
    EXPECT_TRUE(m_chart.hasCursorPoint());
}

TEST_F(XYChartTest, CursorStaysOnExistingPointsAndOnlyEnabledKeysMoveItWithAReport) {
    QSignalSpy moved(&m_chart, &XYChart::cursorMoved);
    m_chart.setCursor(7, 9);
    EXPECT_EQ(m_chart.pointCursor(), (ChartPointRef{m_line, 1}));
    m_chart.setCursor(m_markers, 3);
    m_chart.setPoints(m_markers, {{1.0, 1.0}, {2.0, 2.0}, {3.0, 3.0}});
    EXPECT_FALSE(m_chart.hasCursorPoint());
    m_chart.redraw();
    EXPECT_EQ(m_chart.pointCursor(), (ChartPointRef{m_markers, 2}));
    EXPECT_EQ(moved.count(), 0) << "the cursor set by code";

    QWidget* view = m_chart.clickTarget()->parentWidget();
    QTest::keyClick(view, Qt::Key_Home);
    EXPECT_EQ(m_chart.pointCursor(), (ChartPointRef{m_markers, 2}));
    m_chart.setKeyboardSteppingEnabled(true);
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_Left, Qt::Key_Right, Qt::Key_End, Qt::Key_Right})
        QTest::keyClick(view, key);
    EXPECT_EQ(m_chart.pointCursor(), (ChartPointRef{m_markers, 2}));
    ASSERT_EQ(moved.count(), 3);
    EXPECT_EQ(moved.at(1), (QList<QVariant>{m_markers, 1}));
}

TEST_F(XYChartTest, ColoursMarksAndToolTipsStayOnTheirPointsUntilThePointsAreReplaced) {
    EXPECT_FALSE(m_chart.isLegendShown());
    const QColor green(0, 150, 0);
    const int mark = m_chart.addMark(m_markers, {XYChart::MarkShape::Square, green, "Flagged"});
    m_chart.setMarkedPoints(mark, {2});
    m_chart.setPointToolTip(m_markers, 2, "third");
    m_chart.setPointColor(m_markers, 1, black);
    m_chart.setPoint(m_markers, 2, {3.0, 2.6});
    m_chart.redraw();
    EXPECT_TRUE(m_chart.isLegendShown());
    EXPECT_EQ(std::tuple(m_chart.pointColor(m_markers, 1), m_chart.pointColor(m_markers, 2),
                         m_chart.pointColor(m_line, 1)),
              std::tuple(black, blue, red));

    // The outline is drawn above the marker, where the point now stands.
    const QPoint centre = pixelOf(2);
    const QImage image = m_chart.clickTarget()->grab().toImage();
    int outlinePixels = 0;
    for (int up = 8; up <= 16; ++up) {
        const QColor seen = image.pixelColor(centre - QPoint(0, up));
        outlinePixels += seen.green() > 100 && seen.red() < 100 && seen.blue() < 100;
    }
    EXPECT_GT(outlinePixels, 0);
    QHelpEvent hover(QEvent::ToolTip, centre, m_chart.clickTarget()->mapToGlobal(centre));
    QApplication::sendEvent(m_chart.clickTarget(), &hover);
    EXPECT_EQ(QToolTip::text(), "third");

    m_chart.setPoints(m_markers, {{1.0, 1.0}, {2.0, 2.0}, {3.0, 3.0}});
    EXPECT_EQ(m_chart.pointColor(m_markers, 1), blue);
    EXPECT_TRUE(m_chart.markedPoints(mark).isEmpty());
    EXPECT_TRUE(m_chart.pointToolTip(m_markers, 2).isEmpty());
    EXPECT_THROW(m_chart.setMarkedPoints(mark, {3}), orvo::CalibrationError);
    // A point set one past the end grows the series.
    m_chart.setPoint(m_line, 2, {5.0, 5.0});
    m_chart.setPoint(m_line, 0, {0.0, 0.5});
    EXPECT_EQ(m_chart.points(m_line), (QList<QPointF>{{0.0, 0.5}, {4.2, 4.2}, {5.0, 5.0}}));
    EXPECT_THROW(m_chart.setPoint(m_line, 4, {}), orvo::CalibrationError);
    EXPECT_THROW(m_chart.point(m_line, 3), orvo::CalibrationError);
    EXPECT_THROW(m_chart.setPointColor(2, 0, blue), orvo::CalibrationError);

    m_chart.setRangeLines({{2.5, 0.0, 4.0, black}});
    m_chart.setCursor(m_markers, 1);
    m_chart.clearSeries();
    m_chart.redraw();
    EXPECT_EQ(std::tuple(m_chart.seriesCount(), m_chart.markCount(), m_chart.rangeLines().size()),
              std::tuple(0, 0, 0));
    EXPECT_FALSE(m_chart.isLegendShown() || m_chart.hasCursorPoint());
    EXPECT_LT(m_chart.xRange().min, m_chart.xRange().max);
    EXPECT_LT(m_chart.yRange().min, m_chart.yRange().max);
}

} // namespace
