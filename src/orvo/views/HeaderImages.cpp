#include <orvo/views/HeaderImages.h>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace orvo {

namespace {

const QColor markBlue(0, 70, 160);
const QColor lineRed(255, 0, 0);

QPixmap transparentPixmap(int size) {
    QPixmap pixmap(std::max(size, 1), std::max(size, 1));
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap instrumentMark(int size) {
    QPixmap pixmap = transparentPixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(markBlue);
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    QPainterPath wave;
    const double top = size * 0.5;
    wave.moveTo(size * 0.12, top);
    for (int step = 1; step <= 40; ++step) {
        const double x = size * (0.12 + 0.76 * step / 40.0);
        const double phase = 2 * std::numbers::pi * 1.5 * step / 40.0;
        wave.lineTo(x, top - size * 0.22 * std::sin(phase));
    }
    painter.setPen(QPen(Qt::white, std::max(1.0, size / 14.0)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
    return pixmap;
}

QPixmap calibrationMark(int size) {
    QPixmap pixmap = transparentPixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkGray, std::max(1.0, size / 40.0)));
    painter.drawLine(QPointF(size * 0.1, size * 0.9), QPointF(size * 0.9, size * 0.9));
    painter.drawLine(QPointF(size * 0.1, size * 0.9), QPointF(size * 0.1, size * 0.1));
    painter.setPen(QPen(lineRed, std::max(1.0, size / 25.0)));
    painter.drawLine(QPointF(size * 0.15, size * 0.85), QPointF(size * 0.88, size * 0.15));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 255));
    constexpr std::array<std::array<double, 2>, 6> points{
        {{0.25, 0.68}, {0.35, 0.66}, {0.46, 0.5}, {0.58, 0.46}, {0.68, 0.32}, {0.8, 0.26}}};
    const double radius = std::max(1.5, size / 22.0);
    for (const auto& [x, y] : points)
        painter.drawEllipse(QPointF(size * x, size * y), radius, radius);
    return pixmap;
}

QPixmap headerBackground(QSize size) {
    QPixmap pixmap(size.expandedTo(QSize(1, 1)));
    QPainter painter(&pixmap);
    QLinearGradient gradient(0, 0, size.width(), 0);
    gradient.setColorAt(0, QColor(226, 234, 246));
    gradient.setColorAt(1, QColor(250, 251, 253));
    painter.fillRect(pixmap.rect(), gradient);
    painter.setPen(QColor(180, 190, 205));
    painter.drawLine(0, size.height() - 1, size.width(), size.height() - 1);
    return pixmap;
}

} // namespace orvo
