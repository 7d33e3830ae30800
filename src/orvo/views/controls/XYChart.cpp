#include <orvo/model/CalibrationError.h>
#include <orvo/views/controls/XYChart.h>

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace orvo {

namespace {

constexpr double axisPaddingFraction = 0.05;
constexpr qreal markerSize = 9.0;
// Smaller on lines, whose pen already draws an outline around each marker.
constexpr qreal lineMarkerSize = 7.0;
constexpr qreal lineWidth = 2.0;
constexpr qreal cursorRingSize = 19.0;
constexpr qreal cursorRingWidth = 2.5;
// Thinner than the cursor ring, so that a mark never reads as the cursor.
constexpr qreal markWidth = 1.5;

// Stands out against the blue, red and black of the views' series.
QColor cursorRingColor() {
    return QColor(255, 140, 0);
}

QXYSeries* createSeries(XYChart::SeriesStyle style) {
    switch (style) {
    case XYChart::SeriesStyle::Markers: {
        auto* scatter = new QScatterSeries;
        scatter->setMarkerShape(QScatterSeries::MarkerShapeCircle);
        scatter->setMarkerSize(markerSize);
        scatter->setPen(Qt::NoPen);
        return scatter;
    }
    case XYChart::SeriesStyle::Line:
        return new QLineSeries;
    case XYChart::SeriesStyle::LineWithMarkers: {
        auto* line = new QLineSeries;
        line->setPointsVisible(true);
        line->setMarkerSize(lineMarkerSize);
        return line;
    }
    }
    throw CalibrationError(ErrorNumber::InvalidArgument, QStringLiteral("Unknown series style"));
}

// Sizes that nest the shapes around a marker without touching: the ring
// inside the diamond inside the square, so that several marks on one point
// stay apart.
QScatterSeries* createMarkOutline(const XYChart::MarkStyle& style) {
    auto* outline = new QScatterSeries;
    switch (style.shape) {
    case XYChart::MarkShape::Ring:
        outline->setMarkerShape(QScatterSeries::MarkerShapeCircle);
        outline->setMarkerSize(13.0);
        break;
    case XYChart::MarkShape::Square:
        outline->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        outline->setMarkerSize(27.0);
        break;
    case XYChart::MarkShape::Diamond:
        outline->setMarkerShape(QScatterSeries::MarkerShapeRotatedRectangle);
        outline->setMarkerSize(23.0);
        break;
    }
    outline->setBrush(Qt::NoBrush);
    outline->setPen(QPen(style.color, markWidth));
    outline->setName(style.caption);
    return outline;
}

void fitAxis(QValueAxis& axis, const AxisRange& range) {
    const AxisTicks ticks = niceTicks(range);
    axis.setRange(range.min, range.max);
    axis.setTickAnchor(0.0);
    axis.setTickInterval(ticks.interval);
    axis.setLabelFormat(QStringLiteral("%.%1f").arg(ticks.decimals));
}

} // namespace

XYChart::XYChart(QWidget* parent)
    : QWidget(parent), m_chart(new QChart), m_view(new QChartView(m_chart, this)),
      m_xAxis(new QValueAxis), m_yAxis(new QValueAxis), m_cursorRing(new QScatterSeries) {
    m_chart->legend()->hide();
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_chart->setLocalizeNumbers(true);
    m_xAxis->setTickType(QValueAxis::TicksDynamic);
    m_yAxis->setTickType(QValueAxis::TicksDynamic);
    m_chart->addAxis(m_xAxis, Qt::AlignBottom);
    m_chart->addAxis(m_yAxis, Qt::AlignLeft);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->viewport()->installEventFilter(this);
    m_view->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    m_cursorRing->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    m_cursorRing->setMarkerSize(cursorRingSize);
    m_cursorRing->setBrush(Qt::NoBrush);
    m_cursorRing->setPen(QPen(cursorRingColor(), cursorRingWidth));
    m_chart->addSeries(m_cursorRing);
    attachToAxes(*m_cursorRing);
    redraw();
}

void XYChart::setTitle(const QString& title) {
    m_title = title;
    updateTitle();
}

void XYChart::setSubtitle(const QString& subtitle) {
    m_subtitle = subtitle;
    updateTitle();
}

void XYChart::setXAxisTitle(const QString& caption) {
    m_xAxis->setTitleText(caption);
}

QString XYChart::xAxisTitle() const {
    return m_xAxis->titleText();
}

void XYChart::setYAxisTitle(const QString& caption) {
    m_yAxis->setTitleText(caption);
}

QString XYChart::yAxisTitle() const {
    return m_yAxis->titleText();
}

void XYChart::clearSeries() {
    for (QXYSeries* series : m_series) {
        m_chart->removeSeries(series);
        delete series;
    }
    for (QLineSeries* series : m_rangeLineSeries) {
        m_chart->removeSeries(series);
        delete series;
    }
    for (const Mark& mark : m_marks) {
        m_chart->removeSeries(mark.outline);
        delete mark.outline;
    }
    m_series.clear();
    m_toolTips.clear();
    m_marks.clear();
    m_rangeLineSeries.clear();
    m_rangeLines.clear();
    updateCursorRing();
    updateLegend();
}

int XYChart::addSeries(SeriesStyle style, const QColor& color) {
    QXYSeries* series = createSeries(style);
    series->setColor(color);
    if (style != SeriesStyle::Markers) {
        QPen pen(color, lineWidth);
        series->setPen(pen);
    }
    m_chart->addSeries(series);
    attachToAxes(*series);
    m_series.push_back(series);
    m_toolTips.emplace_back();
    keepOverlaysOnTop();
    return seriesCount() - 1;
}

QColor XYChart::seriesColor(int series) const {
    return seriesAt(series).color();
}

void XYChart::setPoints(int series, const QList<QPointF>& points) {
    QXYSeries& target = seriesAt(series);
    target.clearPointsConfiguration();
    target.replace(points);
    dropPointExtras(series);
    updateCursorRing();
}

void XYChart::setPoint(int series, int index, QPointF value) {
    QXYSeries& target = seriesAt(series);
    checkPointIndex(series, index, target.count() + 1);
    if (index == target.count())
        target.append(value);
    else
        target.replace(index, value);
    for (Mark& mark : m_marks)
        if (mark.series == series)
            placeMark(mark);
    updateCursorRing();
}

QPointF XYChart::point(int series, int index) const {
    checkPointIndex(series, index, pointCount(series));
    return seriesAt(series).at(index);
}

QList<QPointF> XYChart::points(int series) const {
    return seriesAt(series).points();
}

int XYChart::pointCount(int series) const {
    return seriesAt(series).count();
}

void XYChart::setPointColor(int series, int index, const QColor& color) {
    checkPointIndex(series, index, pointCount(series));
    seriesAt(series).setPointConfiguration(index, QXYSeries::PointConfiguration::Color, color);
}

QColor XYChart::pointColor(int series, int index) const {
    checkPointIndex(series, index, pointCount(series));
    const QXYSeries& source = seriesAt(series);
    const QVariant own =
        source.pointConfiguration(index).value(QXYSeries::PointConfiguration::Color);
    return own.isValid() ? own.value<QColor>() : source.color();
}

void XYChart::setPointToolTip(int series, int index, const QString& text) {
    checkPointIndex(series, index, pointCount(series));
    m_toolTips[static_cast<std::size_t>(series)].insert(index, text);
}

QString XYChart::pointToolTip(int series, int index) const {
    checkPointIndex(series, index, pointCount(series));
    return m_toolTips[static_cast<std::size_t>(series)].value(index);
}

int XYChart::addMark(int series, const MarkStyle& style) {
    seriesAt(series); // throws for a series that does not exist
    m_marks.push_back({series, createMarkOutline(style), {}});
    m_chart->addSeries(m_marks.back().outline);
    attachToAxes(*m_marks.back().outline);
    raiseCursorRing();
    updateLegend();
    return markCount() - 1;
}

void XYChart::setMarkedPoints(int mark, const QList<int>& points) {
    Mark& target = markAt(mark);
    for (int index : points)
        checkPointIndex(target.series, index, pointCount(target.series));
    target.points = points;
    placeMark(target);
}

QList<int> XYChart::markedPoints(int mark) const {
    return markAt(mark).points;
}

bool XYChart::isLegendShown() const {
    return m_chart->legend()->isVisible();
}

void XYChart::setRangeLines(const QList<RangeLine>& lines) {
    // Series already on the chart are refilled: adding one costs more than
    // drawing all the points.
    while (m_rangeLineSeries.size() > static_cast<std::size_t>(lines.size())) {
        m_chart->removeSeries(m_rangeLineSeries.back());
        delete m_rangeLineSeries.back();
        m_rangeLineSeries.pop_back();
    }
    const std::size_t before = m_rangeLineSeries.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (static_cast<std::size_t>(i) == m_rangeLineSeries.size()) {
            m_rangeLineSeries.push_back(new QLineSeries);
            m_chart->addSeries(m_rangeLineSeries.back());
            attachToAxes(*m_rangeLineSeries.back());
        }
        const RangeLine& line = lines[i];
        QLineSeries& series = *m_rangeLineSeries[static_cast<std::size_t>(i)];
        series.setPen(QPen(line.color, lineWidth));
        series.replace(QList<QPointF>{{line.x, line.yLow}, {line.x, line.yHigh}});
    }
    m_rangeLines = lines;
    if (m_rangeLineSeries.size() > before)
        keepOverlaysOnTop();
}

void XYChart::redraw() {
    QList<double> xs;
    QList<double> ys;
    for (const QXYSeries* series : m_series) {
        for (const QPointF& p : series->points()) {
            xs.append(p.x());
            ys.append(p.y());
        }
    }
    for (const RangeLine& line : m_rangeLines) {
        xs.append(line.x);
        ys.append(line.yLow);
        ys.append(line.yHigh);
    }
    const AxisRange x = paddedAxisRange(xs, axisPaddingFraction);
    const AxisRange y = paddedAxisRange(ys, axisPaddingFraction);
    fitAxis(*m_xAxis, x);
    fitAxis(*m_yAxis, y);
    setCursor(m_cursor.series, m_cursor.point);
}

AxisRange XYChart::xRange() const {
    return {m_xAxis->min(), m_xAxis->max()};
}

AxisRange XYChart::yRange() const {
    return {m_yAxis->min(), m_yAxis->max()};
}

void XYChart::setCursor(int series, int point) {
    m_cursor.series = std::clamp(series, 0, std::max(seriesCount() - 1, 0));
    const int count = m_series.empty() ? 0 : pointCount(m_cursor.series);
    m_cursor.point = std::clamp(point, 0, std::max(count - 1, 0));
    updateCursorRing();
}

bool XYChart::hasCursorPoint() const {
    return m_cursor.series < seriesCount() && m_cursor.point < pointCount(m_cursor.series);
}

QPointF XYChart::mapToValue(QPoint pixel) const {
    activateLayout();
    const QPointF scene = m_view->mapToScene(pixel);
    return m_chart->mapToValue(m_chart->mapFromScene(scene), m_cursorRing);
}

QPoint XYChart::mapToPixel(QPointF value) const {
    activateLayout();
    const QPointF chartPosition = m_chart->mapToPosition(value, m_cursorRing);
    return m_view->mapFromScene(m_chart->mapToScene(chartPosition));
}

QWidget* XYChart::clickTarget() const {
    return m_view->viewport();
}

bool XYChart::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        handleMousePress(press->position().toPoint(), press->button(), press->modifiers());
    }
    if (watched == m_view->viewport() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (showPointToolTip(help->pos(), help->globalPos()))
            return true;
    }
    if (watched == m_view && event->type() == QEvent::KeyPress &&
        handleKeyPress(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QWidget::eventFilter(watched, event);
}

QXYSeries& XYChart::seriesAt(int series) const {
    if (series < 0 || series >= seriesCount())
        throw CalibrationError::outOfRange(
            QStringLiteral("chart series %1 of %2").arg(series).arg(seriesCount()));
    return *m_series[static_cast<std::size_t>(series)];
}

XYChart::Mark& XYChart::markAt(int mark) {
    return const_cast<Mark&>(std::as_const(*this).markAt(mark));
}

const XYChart::Mark& XYChart::markAt(int mark) const {
    if (mark < 0 || mark >= markCount())
        throw CalibrationError::outOfRange(
            QStringLiteral("chart mark %1 of %2").arg(mark).arg(markCount()));
    return m_marks[static_cast<std::size_t>(mark)];
}

void XYChart::placeMark(Mark& mark) {
    QList<QPointF> positions;
    for (int index : mark.points)
        positions.append(point(mark.series, index));
    mark.outline->replace(positions);
}

void XYChart::dropPointExtras(int series) {
    m_toolTips[static_cast<std::size_t>(series)].clear();
    for (Mark& mark : m_marks) {
        if (mark.series == series) {
            mark.points.clear();
            placeMark(mark);
        }
    }
}

void XYChart::checkPointIndex(int series, int index, int limit) const {
    if (index < 0 || index >= limit)
        throw CalibrationError::outOfRange(QStringLiteral("point %1 of chart series %2 (%3 points)")
                                               .arg(index)
                                               .arg(series)
                                               .arg(pointCount(series)));
}

void XYChart::attachToAxes(QXYSeries& series) {
    series.attachAxis(m_xAxis);
    series.attachAxis(m_yAxis);
}

// Series added later are drawn above earlier ones; the marks must stay above
// the data, and the cursor ring above everything.
void XYChart::keepOverlaysOnTop() {
    for (const Mark& mark : m_marks) {
        m_chart->removeSeries(mark.outline);
        m_chart->addSeries(mark.outline);
        attachToAxes(*mark.outline);
    }
    raiseCursorRing();
    updateLegend();
}

void XYChart::raiseCursorRing() {
    m_chart->removeSeries(m_cursorRing);
    m_chart->addSeries(m_cursorRing);
    attachToAxes(*m_cursorRing);
}

// The legend explains the marks only; the data and lines are named by the
// axis captions.
void XYChart::updateLegend() {
    QLegend* legend = m_chart->legend();
    legend->setVisible(!m_marks.empty());
    for (QLegendMarker* marker : legend->markers())
        marker->setVisible(std::any_of(m_marks.begin(), m_marks.end(), [&](const Mark& mark) {
            return mark.outline == marker->series();
        }));
}

void XYChart::updateTitle() {
    QString html = m_title.toHtmlEscaped();
    if (!m_subtitle.isEmpty()) {
        if (!html.isEmpty())
            html += QLatin1String("<br>");
        html += QLatin1String("<small>") + m_subtitle.toHtmlEscaped() + QLatin1String("</small>");
    }
    m_chart->setTitle(html);
}

void XYChart::updateCursorRing() {
    if (hasCursorPoint())
        m_cursorRing->replace(QList<QPointF>{point(m_cursor.series, m_cursor.point)});
    else
        m_cursorRing->clear();
}

// The chart lays itself out on a posted event; mapping must not wait for it.
void XYChart::activateLayout() const {
    if (QGraphicsLayout* layout = m_chart->layout())
        layout->activate();
}

void XYChart::handleMousePress(QPoint pixel, Qt::MouseButton button,
                               Qt::KeyboardModifiers modifiers) {
    const QPointF value = mapToValue(pixel);
    if (m_pointSelectionEnabled && button == Qt::LeftButton) {
        if (const std::optional<ChartPointRef> hit = pointNear(value)) {
            m_cursor = *hit;
            updateCursorRing();
            emit cursorMoved(hit->series, hit->point);
        }
    }
    emit mouseClicked(value, button, modifiers);
}

bool XYChart::handleKeyPress(int key) {
    if (!m_keyboardSteppingEnabled || !hasCursorPoint())
        return false;
    const int last = pointCount(m_cursor.series) - 1;
    int point = m_cursor.point;
    switch (key) {
    case Qt::Key_Left:
        point = std::max(point - 1, 0);
        break;
    case Qt::Key_Right:
        point = std::min(point + 1, last);
        break;
    case Qt::Key_Home:
        point = 0;
        break;
    case Qt::Key_End:
        point = last;
        break;
    default:
        return false;
    }
    if (point != m_cursor.point) {
        m_cursor.point = point;
        updateCursorRing();
        emit cursorMoved(m_cursor.series, point);
    }
    return true;
}

bool XYChart::showPointToolTip(QPoint pixel, QPoint globalPixel) {
    const std::optional<ChartPointRef> hit = pointNear(mapToValue(pixel));
    const QString text = hit ? pointToolTip(hit->series, hit->point) : QString();
    if (text.isEmpty())
        return false;
    QToolTip::showText(globalPixel, text, m_view->viewport());
    return true;
}

std::optional<ChartPointRef> XYChart::pointNear(QPointF value) const {
    activateLayout();
    const QRectF plot = m_chart->plotArea();
    const double xSpan = m_xAxis->max() - m_xAxis->min();
    const double ySpan = m_yAxis->max() - m_yAxis->min();
    if (plot.isEmpty() || xSpan <= 0.0 || ySpan <= 0.0)
        return std::nullopt;
    std::vector<QList<QPointF>> candidates;
    candidates.reserve(m_series.size());
    for (const QXYSeries* series : m_series)
        candidates.push_back(series->points());
    return nearestPoint(candidates, value, QSizeF(plot.width() / xSpan, plot.height() / ySpan),
                        hitRadiusPixels);
}

} // namespace orvo
