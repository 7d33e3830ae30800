#include <orvo/views/WorkbenchLayout.h>

namespace orvo {

namespace {

void placeBelow(QRect& rect, const QRect& above, int gap = 0) {
    rect.moveTop(above.bottom() + 1 + gap);
}

} // namespace

void WorkbenchLayout::resize(QSize twips) {
    if (twips.height() > MinimumHeight)
        fitHeight(twips.height());
    if (twips.width() > MinimumWidth)
        fitWidth(twips.width());
}

void WorkbenchLayout::fitHeight(int height) {
    chart.setHeight(height - chart.top() - 700);
    pointList.setHeight(chart.height());
    placeBelow(labelCorr, chart, 36);
    placeBelow(labelStdErr, chart, 36);
    placeBelow(textCorr, labelCorr);
    placeBelow(textStdErr, labelStdErr);
    placeBelow(commandNext, commandCalculate);
    commandPrevious.moveTop(commandNext.top());
    placeBelow(commandDelete, commandPrevious);
    commandExportReport.moveTop(commandDelete.top());
}

void WorkbenchLayout::fitWidth(int width) {
    chart.moveLeft(comboFormulas.left());
    chart.setWidth(width - pointList.width() - 5 * chart.left());
    pointList.moveLeft(chart.right() + 1 + 60);
    comboFormulas.setWidth(chart.width());
    commandResult.moveLeft(pointList.left());
    commandPrevious.moveLeft(pointList.left());
    commandExportReport.moveLeft(pointList.left());
    commandCalculate.moveLeft(width - commandCalculate.width() - 60);
    commandNext.moveLeft(commandCalculate.left());
    commandDelete.moveLeft(commandCalculate.left());
}

} // namespace orvo
