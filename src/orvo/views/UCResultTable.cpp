#include <orvo/regression/ResultCellValue.h>
#include <orvo/views/UCResultTable.h>
#include <orvo/views/controls/GridSetup.h>
#include <orvo/views/controls/Twips.h>

#include <QResizeEvent>
#include <QTableWidget>

namespace orvo {

namespace {

// In grid width units (see gridWidthScale).
constexpr int columnWidth = 60;
constexpr int gridLeftTwips = 120;
constexpr int gridTopTwips = 120;
constexpr int rightMarginTwips = 240;
constexpr int bottomMarginTwips = 440;
// Below these inner sizes the grid keeps its place.
constexpr int minimumHeightTwips = 3000;
constexpr int minimumWidthTwips = 5000;

QStringList captions() {
    return {QStringLiteral("A1"),          QStringLiteral("A2"),      QStringLiteral("A3"),
            QStringLiteral("A4"),          QStringLiteral("A5"),      QStringLiteral("B"),
            QStringLiteral("Correlation"), QStringLiteral("St.Err."), QStringLiteral("tTot"),
            QStringLiteral("tA1"),         QStringLiteral("tA2"),     QStringLiteral("tA3"),
            QStringLiteral("tA4"),         QStringLiteral("tA5"),     QStringLiteral("tB"),
            QStringLiteral("Signal1"),     QStringLiteral("Signal2"), QStringLiteral("Signal3"),
            QStringLiteral("Signal4"),     QStringLiteral("Signal5")};
}

} // namespace

UCResultTable::UCResultTable(QWidget* parent) : QWidget(parent), m_grid(new QTableWidget(this)) {
    m_grid->setObjectName(QStringLiteral("scgResult"));
    SetResultData({});
    m_grid->setGeometry(
        QRect(QPoint(twipsToPixelsX(*this, gridLeftTwips), twipsToPixelsY(*this, gridTopTwips)),
              gridContentSize()));
}

void UCResultTable::SetResultData(const ResultBlock& table) {
    setUpGrid(*m_grid, resultRows + 1, QList<int>(resultColumns, columnWidth));
    setCaptionRow(*m_grid, captions());
    for (int row = 0; row < resultRows; ++row) {
        for (int column = 0; column < resultColumns; ++column) {
            const float value = table[static_cast<std::size_t>(row * resultColumns + column)];
            m_grid->setItem(row + 1, column, makeReadOnlyItem(resultCellValue(value)));
        }
    }
    // No cell looks chosen: the table is for reading.
    m_grid->setCurrentCell(-1, -1);
}

QSize UCResultTable::sizeHint() const {
    const QSize grid = gridContentSize();
    return {grid.width() + twipsToPixelsX(*this, gridLeftTwips + rightMarginTwips),
            grid.height() + twipsToPixelsY(*this, gridTopTwips + bottomMarginTwips)};
}

// The grid's size when every cell is visible without scrolling.
QSize UCResultTable::gridContentSize() const {
    int width = 2 * m_grid->frameWidth();
    for (int column = 0; column < m_grid->columnCount(); ++column)
        width += m_grid->columnWidth(column);
    int height = 2 * m_grid->frameWidth();
    for (int row = 0; row < m_grid->rowCount(); ++row)
        height += m_grid->rowHeight(row);
    return {width, height};
}

void UCResultTable::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    QRect geometry = m_grid->geometry();
    if (pixelsToTwipsY(*this, height()) > minimumHeightTwips)
        geometry.setHeight(height() - geometry.top() - twipsToPixelsY(*this, bottomMarginTwips));
    if (pixelsToTwipsX(*this, width()) > minimumWidthTwips) {
        geometry.moveLeft(twipsToPixelsX(*this, gridLeftTwips));
        geometry.setWidth(width() - twipsToPixelsX(*this, gridLeftTwips + rightMarginTwips));
    }
    m_grid->setGeometry(geometry);
}

} // namespace orvo
