#include <orvo/model/CalibrationError.h>
#include <orvo/views/controls/FloatDisplayDelegate.h>
#include <orvo/views/controls/GridSetup.h>

#include <QHeaderView>
#include <QTableWidget>
#include <QtMath>

namespace orvo {

namespace {
// Width of a digit in the small dialog font that grid widths were chosen for.
constexpr double referenceDigitWidth = 6.0;
} // namespace

QColor gridCaptionColor() {
    return QColor(224, 224, 224);
}

double gridWidthScale(const QWidget& grid) {
    return grid.fontMetrics().horizontalAdvance(QLatin1Char('0')) / referenceDigitWidth;
}

void setUpGrid(QTableWidget& grid, int rows, const QList<int>& columnWidths) {
    grid.horizontalHeader()->setVisible(false);
    grid.verticalHeader()->setVisible(false);
    grid.verticalHeader()->setDefaultSectionSize(grid.fontMetrics().height() + 6);
    if (!qobject_cast<FloatDisplayDelegate*>(grid.itemDelegate()))
        grid.setItemDelegate(new FloatDisplayDelegate(&grid));
    grid.setRowCount(rows);
    grid.setColumnCount(static_cast<int>(columnWidths.size()));
    const double scale = gridWidthScale(grid);
    for (int c = 0; c < columnWidths.size(); ++c)
        grid.setColumnWidth(c, qRound(columnWidths[c] * scale));
}

QTableWidgetItem* makeReadOnlyItem(const QVariant& display) {
    auto* item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole, display);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

void setCaptionRow(QTableWidget& grid, const QStringList& captions) {
    if (grid.rowCount() == 0 || captions.size() > grid.columnCount())
        throw CalibrationError::outOfRange(
            QStringLiteral("%1 captions for a grid of %2 rows and %3 columns")
                .arg(captions.size())
                .arg(grid.rowCount())
                .arg(grid.columnCount()));
    for (int c = 0; c < captions.size(); ++c) {
        QTableWidgetItem* item = makeReadOnlyItem(captions[c]);
        item->setBackground(gridCaptionColor());
        grid.setItem(0, c, item);
    }
}

} // namespace orvo
