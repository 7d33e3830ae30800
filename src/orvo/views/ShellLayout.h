#pragma once

#include <orvo/views_export.h>

#include <QRect>
#include <QSize>

namespace orvo {

// Where the shell's frame puts its parts, in twips: the header band on top,
// the one view area below it, the row of view buttons under the views, the
// status bar along the bottom.
struct ORVO_VIEWS_EXPORT ShellLayout {
    static constexpr int HeaderHeight = 1000;
    static constexpr int ButtonWidth = 1700;
    static constexpr int ButtonHeight = 375;
    static constexpr int Margin = 320;
    static constexpr int ButtonGap = 60;
    static constexpr int ImageSize = 900;

    QRect header;
    QRect image1;
    QRect image2;
    QRect title;
    QRect views;
    QRect commandData;
    QRect commandRegression;
    QRect commandFollowUp;
    QRect statusBar;

    // size: the shell's size; statusBarHeight: the bar's own height; both in twips.
    static ShellLayout forSize(QSize size, int statusBarHeight);
};

} // namespace orvo
