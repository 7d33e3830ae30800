#pragma once

#include <orvo/views_export.h>

class QPaintDevice;
class QRect;
class QWidget;

namespace orvo {

// Layout sizes of the views are written in twips, 1/1440 inch; these turn
// them into pixels of a widget (and back) through its logical DPI, so the
// layout keeps its proportions to the fonts on any screen.
inline constexpr int twipsPerInch = 1440;

ORVO_VIEWS_EXPORT int twipsToPixelsX(const QPaintDevice& device, int twips);
ORVO_VIEWS_EXPORT int twipsToPixelsY(const QPaintDevice& device, int twips);
ORVO_VIEWS_EXPORT int pixelsToTwipsX(const QPaintDevice& device, int pixels);
ORVO_VIEWS_EXPORT int pixelsToTwipsY(const QPaintDevice& device, int pixels);

// Moves a child of a view to a rectangle given in twips.
ORVO_VIEWS_EXPORT void placeInTwips(QWidget& child, const QRect& twips);

} // namespace orvo
