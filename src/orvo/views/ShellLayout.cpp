#include <orvo/views/ShellLayout.h>

#include <algorithm>

namespace orvo {

ShellLayout ShellLayout::forSize(QSize size, int statusBarHeight) {
    ShellLayout layout;
    const int width = size.width();
    layout.header = QRect(0, 0, width, HeaderHeight);
    layout.image1 = QRect(30, 30, ImageSize, ImageSize);
    const int image2Left = std::max(width - ImageSize - 120, layout.image1.right() + 1);
    layout.image2 = QRect(image2Left, (HeaderHeight - ImageSize) / 2, ImageSize, ImageSize);
    const int titleLeft = layout.image1.right() + 1 + 240;
    layout.title = QRect(titleLeft, 240, std::max(image2Left - titleLeft - 240, 0), 520);

    const int viewsHeight = size.height() - HeaderHeight - statusBarHeight - ButtonHeight - Margin;
    layout.views = QRect(0, HeaderHeight, width, std::max(viewsHeight, 0));

    const int buttonTop = layout.views.bottom() + 1 + ButtonGap;
    const int rowRight = layout.image2.right() + 1;
    const auto buttonEndingAt = [&](int right) {
        return QRect(right - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
    };
    layout.commandFollowUp = buttonEndingAt(rowRight);
    layout.commandRegression = buttonEndingAt(layout.commandFollowUp.left() - ButtonGap);
    layout.commandData = buttonEndingAt(layout.commandRegression.left() - ButtonGap);
    layout.statusBar = QRect(0, size.height() - statusBarHeight, width, statusBarHeight);
    return layout;
}

} // namespace orvo
