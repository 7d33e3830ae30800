#include <orvo/views/FollowUpLayout.h>

namespace orvo {

namespace {

constexpr int captionHeight = 255;
constexpr int boxHeight = 315;
constexpr int gapBelowButton = 280;
constexpr int gapBelowBox = 60;
constexpr int chartGap = 120;

QRect below(const QRect& above, int gap, int height) {
    return QRect(above.left(), above.bottom() + 1 + gap, above.width(), height);
}

} // namespace

FollowUpLayout::FollowUpLayout() {
    stackReadouts();
}

void FollowUpLayout::resize(QSize twips) {
    if (twips.height() > MinimumHeight)
        fitHeight(twips.height());
    if (twips.width() > MinimumWidth)
        fitWidth(twips.width());
}

// The readouts form a column under the formula button, each box directly
// under its caption, the check box last.
void FollowUpLayout::stackReadouts() {
    QRect above = commandFormula;
    int gap = gapBelowButton;
    for (Readout& readout : readouts) {
        readout.caption = below(above, gap, captionHeight);
        readout.box = below(readout.caption, 0, boxHeight);
        above = readout.box;
        gap = gapBelowBox;
    }
    checkShowDisabled = below(above, gapBelowBox, boxHeight);
}

void FollowUpLayout::fitHeight(int height) {
    chart.setHeight(height - chart.top() - chartGap);
    stackReadouts();
}

void FollowUpLayout::fitWidth(int width) {
    chart.moveLeft(textFormula.left());
    chart.setWidth(width - commandFormula.width() - 3 * chartGap - chart.left());
    commandFormula.moveLeft(chart.right() + 1 + chartGap);
    textFormula.setRight(commandFormula.right());
    stackReadouts();
}

} // namespace orvo
