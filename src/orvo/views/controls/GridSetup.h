#pragma once

#include <orvo/views_export.h>

#include <QColor>
#include <QList>
#include <QStringList>
#include <QVariant>

class QTableWidget;
class QTableWidgetItem;
class QWidget;

namespace orvo {

// The common set-up of the views' grids: the captions are the grid's first
// row (not Qt's header), caption rows and fixed columns are light grey, and
// cells are read-only unless a view makes one editable.

// Light grey of caption rows and fixed columns.
ORVO_VIEWS_EXPORT QColor gridCaptionColor();

// Pixels per grid width unit. Widths are given as pixels for a font whose
// digits are 6 pixels wide and grow with the grid's font, so that a column
// keeps room for as many digits on any screen and in any font.
ORVO_VIEWS_EXPORT double gridWidthScale(const QWidget& grid);

// Hides Qt's own headers, sets the row count and one column per entry of
// columnWidths (grid width units), and shows float values by
// FloatDisplayDelegate.
ORVO_VIEWS_EXPORT void setUpGrid(QTableWidget& grid, int rows, const QList<int>& columnWidths);

// A cell that can be selected but not edited, showing display.
ORVO_VIEWS_EXPORT QTableWidgetItem* makeReadOnlyItem(const QVariant& display);

// Writes captions into the first row, read-only on the grey background.
// Throws CalibrationError when the grid has no row or too few columns.
ORVO_VIEWS_EXPORT void setCaptionRow(QTableWidget& grid, const QStringList& captions);

} // namespace orvo
