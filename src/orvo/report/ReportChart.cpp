#include <orvo/regression/CalibrationRecord.h>
#include <orvo/report/ReportChart.h>

#include <QPainter>

#include <algorithm>

namespace orvo {

namespace {

constexpr int kMargin = 60;
const QColor kMarker(0, 0, 255);
const QColor kLine(255, 0, 0);
const QColor kRing(255, 140, 0);

struct Frame {
    QRectF plot;
    QRectF values;

    QPointF map(QPointF value) const {
        return {plot.left() + (value.x() - values.left()) / values.width() * plot.width(),
                plot.bottom() - (value.y() - values.top()) / values.height() * plot.height()};
    }
};

QRectF valueRange(const CalibrationRecord& record) {
    const QVector<QPointF>& points = record.chart.points;
    if (points.isEmpty())
        return {0, 0, 1, 1};
    double left = points.front().x(), right = left, bottom = points.front().y(), top = bottom;
    for (const QPointF& point : points) {
        left = std::min(left, point.x());
        right = std::max(right, point.x());
        bottom = std::min(bottom, point.y());
        top = std::max(top, point.y());
    }
    // The same scale on both axes keeps the ideal line lab = estimate at 45 degrees.
    const double low = std::min(left, bottom), high = std::max(right, top);
    const double pad = std::max((high - low) * 0.05, 1e-9);
    return {low - pad, low - pad, high - low + 2 * pad, high - low + 2 * pad};
}

void drawAxes(QPainter& painter, const Frame& frame) {
    painter.setPen(Qt::black);
    painter.drawRect(frame.plot);
    for (int tick = 0; tick <= 4; ++tick) {
        const double x = frame.values.left() + frame.values.width() * tick / 4;
        const double y = frame.values.top() + frame.values.height() * tick / 4;
        const QPointF bottom = frame.map({x, frame.values.top()});
        const QPointF left = frame.map({frame.values.left(), y});
        painter.drawText(QRectF(bottom.x() - 40, bottom.y() + 4, 80, 20), Qt::AlignHCenter,
                         QString::number(x, 'g', 4));
        painter.drawText(QRectF(left.x() - kMargin, left.y() - 10, kMargin - 4, 20),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(y, 'g', 4));
    }
    painter.drawText(QRectF(frame.plot.left(), frame.plot.bottom() + 24, frame.plot.width(), 20),
                     Qt::AlignHCenter, QStringLiteral("Laboratory measurement"));
    painter.save();
    painter.translate(12, frame.plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-100, -10, 200, 20), Qt::AlignCenter,
                     QStringLiteral("Estimated value"));
    painter.restore();
}

void drawLegend(QPainter& painter, const Frame& frame) {
    const QPointF at = frame.plot.topLeft() + QPointF(12, 16);
    painter.setPen(QPen(kRing, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(at, 7, 7);
    painter.setPen(Qt::black);
    painter.drawText(at + QPointF(14, 5), QStringLiteral("flagged by the diagnostics"));
}

} // namespace

QImage ReportChart::render(const CalibrationRecord& record, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const Frame frame{
        QRectF(kMargin, 20, size.width() - kMargin - 20, size.height() - kMargin - 20),
        valueRange(record)};
    drawAxes(painter, frame);
    if (const auto& line = record.chart.fittedLine) {
        painter.setPen(QPen(kLine, 2));
        painter.drawLine(frame.map((*line)[0]), frame.map((*line)[1]));
    }
    for (qsizetype k = 0; k < record.chart.points.size(); ++k) {
        const QPointF at = frame.map(record.chart.points[k]);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kMarker);
        painter.drawEllipse(at, 3.5, 3.5);
        if (record.flagged[static_cast<std::size_t>(k)]) {
            painter.setPen(QPen(kRing, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(at, 7, 7);
        }
    }
    drawLegend(painter, frame);
    return image;
}

} // namespace orvo
