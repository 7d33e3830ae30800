#include <orvo/views/controls/Twips.h>

#include <QPaintDevice>
#include <QRect>
#include <QWidget>
#include <QtMath>

namespace orvo {

int twipsToPixelsX(const QPaintDevice& device, int twips) {
    return qRound(static_cast<double>(twips) * device.logicalDpiX() / twipsPerInch);
}

int twipsToPixelsY(const QPaintDevice& device, int twips) {
    return qRound(static_cast<double>(twips) * device.logicalDpiY() / twipsPerInch);
}

int pixelsToTwipsX(const QPaintDevice& device, int pixels) {
    return qRound(static_cast<double>(pixels) * twipsPerInch / device.logicalDpiX());
}

int pixelsToTwipsY(const QPaintDevice& device, int pixels) {
    return qRound(static_cast<double>(pixels) * twipsPerInch / device.logicalDpiY());
}

void placeInTwips(QWidget& child, const QRect& twips) {
    child.setGeometry(twipsToPixelsX(child, twips.x()), twipsToPixelsY(child, twips.y()),
                      twipsToPixelsX(child, twips.width()), twipsToPixelsY(child, twips.height()));
}

} // namespace orvo
