#include <orvo/regression/CalibrationRecord.h>
#include <orvo/report/ReportChart.h>

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace orvo {

namespace {

constexpr int kMargin = 100;
// Pixels of the chart image; the page shows it about half size.
constexpr int kFontPixels = 20;
const QColor kMarker(0, 0, 255);
const QColor kLine(255, 0, 0);

// The workbench's marks of the three flags, so the page reads like the screen.
struct FlagMark {
    enum Shape { Ring, Square, Diamond } shape;
    QColor color;
    const char* caption;
};
const std::array<FlagMark, WorkbenchDiagnostics::FlagCount> kFlagMarks{{
    {FlagMark::Ring, QColor(200, 0, 200), "Outlier"},
    {FlagMark::Square, QColor(0, 150, 150), "High leverage"},
    {FlagMark::Diamond, QColor(0, 150, 0), "Influential"},
}};
constexpr double kMarkRadius = 7;

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
    // The same range on both axes, so that lab = estimate runs corner to corner.
    const double low = std::min(left, bottom), high = std::max(right, top);
    const double pad = std::max((high - low) * 0.05, 1e-9);
    return {low - pad, low - pad, high - low + 2 * pad, high - low + 2 * pad};
}

// Round tick values 1, 2 or 5 times a power of ten apart, about five per axis.
std::vector<double> ticks(double low, double high) {
    const double rough = (high - low) / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double step = power * (rough / power < 2 ? 1 : rough / power < 5 ? 2 : 5);
    std::vector<double> values;
    for (double k = std::ceil(low / step); k * step <= high; ++k)
        values.push_back(k * step);
    return values;
}

void drawAxes(QPainter& painter, const Frame& frame) {
    painter.setPen(Qt::black);
    painter.drawRect(frame.plot);
    const QRectF& v = frame.values;
    for (double x : ticks(v.left(), v.right())) {
        const QPointF at = frame.map({x, v.top()});
        painter.drawLine(at, at - QPointF(0, 8));
        painter.drawText(QRectF(at.x() - 60, at.y() + 6, 120, kFontPixels + 4), Qt::AlignHCenter,
                         QString::number(x, 'g', 6));
    }
    for (double y : ticks(v.top(), v.bottom())) {
        const QPointF at = frame.map({v.left(), y});
        painter.drawLine(at, at + QPointF(8, 0));
        painter.drawText(
            QRectF(at.x() - kMargin, at.y() - kFontPixels, kMargin - 8, 2 * kFontPixels),
            Qt::AlignRight | Qt::AlignVCenter, QString::number(y, 'g', 6));
    }
    painter.drawText(QRectF(frame.plot.left(), frame.plot.bottom() + kFontPixels + 14,
                            frame.plot.width(), kFontPixels + 6),
                     Qt::AlignHCenter, QStringLiteral("Laboratory measurement"));
    painter.save();
    painter.translate(kFontPixels, frame.plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-150, -kFontPixels, 300, 2 * kFontPixels), Qt::AlignCenter,
                     QStringLiteral("Estimated value"));
    painter.restore();
}

void drawMark(QPainter& painter, const FlagMark& mark, QPointF at) {
    painter.setPen(QPen(mark.color, 2));
    painter.setBrush(Qt::NoBrush);
    const QRectF box(at - QPointF(kMarkRadius, kMarkRadius), QSizeF(2, 2) * kMarkRadius);
    switch (mark.shape) {
    case FlagMark::Ring:
        painter.drawEllipse(box);
        break;
    case FlagMark::Square:
        painter.drawRect(box.adjusted(1, 1, -1, -1));
        break;
    case FlagMark::Diamond:
        painter.drawPolygon(QPolygonF{{at.x(), box.top() - 2},
                                      {box.right() + 2, at.y()},
                                      {at.x(), box.bottom() + 2},
                                      {box.left() - 2, at.y()}});
        break;
    }
}

void drawLegend(QPainter& painter, const Frame& frame) {
    QPointF at = frame.plot.topLeft() + QPointF(20, 20);
    for (const FlagMark& mark : kFlagMarks) {
        drawMark(painter, mark, at);
        painter.setPen(Qt::black);
        painter.drawText(at + QPointF(16, kFontPixels / 3.0), QString::fromLatin1(mark.caption));
        at.ry() += kFontPixels + 8;
    }
}

} // namespace

QImage ReportChart::render(const CalibrationRecord& record, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(kFontPixels);
    painter.setFont(font);
    const Frame frame{
        QRectF(kMargin, 20, size.width() - kMargin - 20, size.height() - 2 * kFontPixels - 50),
        valueRange(record)};
    drawAxes(painter, frame);
    if (const auto& line = record.chart.fittedLine) {
        painter.setPen(QPen(kLine, 2));
        painter.drawLine(frame.map((*line)[0]), frame.map((*line)[1]));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMarker);
    for (const QPointF& point : record.chart.points)
        painter.drawEllipse(frame.map(point), 3.5, 3.5);
    for (int flag = 0; flag < WorkbenchDiagnostics::FlagCount; ++flag)
        for (int k : record.flagged[static_cast<std::size_t>(flag)])
            drawMark(painter, kFlagMarks[static_cast<std::size_t>(flag)],
                     frame.map(record.chart.points[k]));
    drawLegend(painter, frame);
    return image;
}

} // namespace orvo
