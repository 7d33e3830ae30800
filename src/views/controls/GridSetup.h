#pragma once

#include "orvo/views_export.h"

#include <QColor>
#include <QList>
#include <QStringList>
#include <QVariant>

class QTableWidget;
class QTableWidgetItem;

namespace orvo {

// The common set-up of the views' grids: the captions are the grid's first
// row (not Qt's header), caption rows and fixed columns are light grey, and
// cells are read-only unless a view makes one editable.

// Light grey of caption rows and fixed columns.
ORVO_VIEWS_EXPORT QColor gridCaptionColor();

// Hides Qt's own headers, sets the row count and one column per entry of
// columnWidths, and shows float values by FloatDisplayDelegate. Widths are in
// pixels at 96 DPI and grow with the grid's logical DPI.
ORVO_VIEWS_EXPORT void setUpGrid(QTableWidget& grid, int rows, const QList<int>& columnWidths);

// A cell that can be selected but not edited, showing display.
ORVO_VIEWS_EXPORT QTableWidgetItem* makeReadOnlyItem(const QVariant& display);

// Writes captions into the first row, read-only on the grey background.
// Throws CalibrationError when the grid has no row or too few columns.
ORVO_VIEWS_EXPORT void setCaptionRow(QTableWidget& grid, const QStringList& captions);

} // namespace orvo
