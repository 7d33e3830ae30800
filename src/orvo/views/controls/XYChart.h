#pragma once

#include <orvo/views/controls/ChartMath.h>
#include <orvo/views/controls/ChartPointRef.h>
#include <orvo/views_export.h>

#include <QColor>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QWidget>

#include <vector>

class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
class QXYSeries;

namespace orvo {

// An x-y chart of numbered series with per-point colours and tooltips,
// outline marks on chosen points, vertical range lines and a point cursor
// that the user moves by clicking on a point.
//
// Changes to series, points and range lines show at once; the axes are fitted
// to them only by redraw(). Pixel positions are those of clickTarget(), so a
// test clicks a data point where it is drawn with
//   QTest::mouseClick(chart.clickTarget(), Qt::LeftButton, {}, chart.mapToPixel(value));
// once the chart is shown and redrawn. Series and point indices that do not
// exist throw CalibrationError.
class ORVO_VIEWS_EXPORT XYChart : public QWidget {
    Q_OBJECT

public:
    enum class SeriesStyle { Markers, Line, LineWithMarkers };

    enum class MarkShape { Ring, Square, Diamond };

    // An outline drawn around chosen points of one series, above every series
    // and below the cursor, which leaves the points' colours as they are.
    struct MarkStyle {
        MarkShape shape = MarkShape::Ring;
        QColor color;
        // The mark's entry in the legend.
        QString caption;
    };

    struct RangeLine {
        double x = 0.0;
        double yLow = 0.0;
        double yHigh = 0.0;
        QColor color;
    };

    // A click counts for a point within this distance of its centre.
    static constexpr double hitRadiusPixels = 6.0;

    explicit XYChart(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const { return m_title; }
    void setSubtitle(const QString& subtitle);
    QString subtitle() const { return m_subtitle; }
    void setXAxisTitle(const QString& caption);
    QString xAxisTitle() const;
    void setYAxisTitle(const QString& caption);
    QString yAxisTitle() const;

    // Removes every series, mark and range line.
    void clearSeries();
    // Adds an empty series and returns its index.
    int addSeries(SeriesStyle style, const QColor& color);
    int seriesCount() const { return static_cast<int>(m_series.size()); }
    QColor seriesColor(int series) const;

    // Replaces all points; their colours, tooltips and marks are dropped.
    void setPoints(int series, const QList<QPointF>& points);
    // Sets an existing point, or appends one when index is the point count.
    void setPoint(int series, int index, QPointF value);
    QPointF point(int series, int index) const;
    QList<QPointF> points(int series) const;
    int pointCount(int series) const;
    void setPointColor(int series, int index, const QColor& color);
    // The point's own colour, or the series colour when it has none.
    QColor pointColor(int series, int index) const;

    // Text shown while the mouse rests on the point; empty for none.
    void setPointToolTip(int series, int index, const QString& text);
    QString pointToolTip(int series, int index) const;

    // Adds a mark for points of series and returns its index. Marks take no
    // part in clicks or in fitting the axes. The legend, which names each
    // mark, is shown only while the chart has marks.
    int addMark(int series, const MarkStyle& style);
    int markCount() const { return static_cast<int>(m_marks.size()); }
    // Puts the mark on these points of its series, and on no others.
    void setMarkedPoints(int mark, const QList<int>& points);
    QList<int> markedPoints(int mark) const;
    bool isLegendShown() const;

    // Vertical lines, drawn in this order; they count in fitting the axes.
    void setRangeLines(const QList<RangeLine>& lines);
    QList<RangeLine> rangeLines() const { return m_rangeLines; }

    // Fits the axes to all points and range lines, with a small padding, and
    // keeps the cursor on an existing point.
    void redraw();
    AxisRange xRange() const;
    AxisRange yRange() const;

    // Whether a left click near a point moves the cursor there. Off at first.
    void setPointSelectionEnabled(bool enabled) { m_pointSelectionEnabled = enabled; }
    bool isPointSelectionEnabled() const { return m_pointSelectionEnabled; }

    // Whether the arrow keys (and Home, End) step the cursor along its
    // series, reported by cursorMoved like a click. Off at first.
    void setKeyboardSteppingEnabled(bool enabled) { m_keyboardSteppingEnabled = enabled; }
    bool isKeyboardSteppingEnabled() const { return m_keyboardSteppingEnabled; }

    using QWidget::setCursor;
    // Moves the point cursor without emitting cursorMoved. Series and point
    // are limited to what exists, so a cursor never stands past the points.
    void setCursor(int series, int point);
    ChartPointRef pointCursor() const { return m_cursor; }
    // True when the cursor stands on an existing point (and is drawn).
    bool hasCursorPoint() const;

    // Conversions between chart values and pixels of clickTarget().
    QPointF mapToValue(QPoint pixel) const;
    QPoint mapToPixel(QPointF value) const;
    // The widget that receives the mouse events of the plot.
    QWidget* clickTarget() const;

signals:
    // The user moved the cursor by clicking near a point or by a key.
    void cursorMoved(int series, int point);
    // Any mouse button pressed on the chart, at value in chart values.
    void mouseClicked(QPointF value, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Mark {
        int series = 0;
        QScatterSeries* outline = nullptr;
        QList<int> points;
    };

    QXYSeries& seriesAt(int series) const;
    Mark& markAt(int mark);
    const Mark& markAt(int mark) const;
    void placeMark(Mark& mark);
    void dropPointExtras(int series);
    void checkPointIndex(int series, int index, int limit) const;
    void attachToAxes(QXYSeries& series);
    void keepOverlaysOnTop();
    void raiseCursorRing();
    void updateLegend();
    void updateTitle();
    void updateCursorRing();
    void activateLayout() const;
    void handleMousePress(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    bool handleKeyPress(int key);
    bool showPointToolTip(QPoint pixel, QPoint globalPixel);
    std::optional<ChartPointRef> pointNear(QPointF value) const;

    QChart* m_chart;
    QChartView* m_view;
    QValueAxis* m_xAxis;
    QValueAxis* m_yAxis;
    QScatterSeries* m_cursorRing;
    std::vector<QXYSeries*> m_series;
    // Per series: tooltip texts by point index.
    std::vector<QHash<int, QString>> m_toolTips;
    std::vector<Mark> m_marks;
    std::vector<QLineSeries*> m_rangeLineSeries;
    QList<RangeLine> m_rangeLines;
    ChartPointRef m_cursor;
    bool m_pointSelectionEnabled = false;
    bool m_keyboardSteppingEnabled = false;
    QString m_title;
    QString m_subtitle;
};

} // namespace orvo
