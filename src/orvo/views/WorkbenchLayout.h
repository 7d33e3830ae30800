#pragma once

#include <orvo/views_export.h>

#include <QRect>
#include <QSize>

namespace orvo {

// Where the workbench's controls stand, in twips. The view starts from the
// design layout; a resize moves things only above the minimum size in each
// direction, otherwise the controls keep their places.
struct ORVO_VIEWS_EXPORT WorkbenchLayout {
    static constexpr int MinimumHeight = 5000;
    static constexpr int MinimumWidth = 9000;

    QRect labelMeasurement{120, 150, 1300, 255};
    QRect comboMeasurement{1440, 120, 1000, 315};
    QRect labelVariables{2600, 150, 1100, 255};
    QRect comboVariables{3720, 120, 700, 315};
    QRect checkGrade1{120, 540, 1300, 315};
    QRect checkGrade2{1540, 540, 1300, 315};
    QRect labelStart{120, 990, 1300, 255};
    QRect textStart{1440, 960, 800, 315};
    QRect labelEnd{2600, 990, 1100, 255};
    QRect textEnd{3720, 960, 800, 315};
    QRect labelFormulas{120, 1380, 2500, 255};
    QRect comboFormulas{120, 1680, 4800, 315};
    QRect commandResult{4980, 120, 1500, 375};
    QRect commandCalculate{7440, 120, 1500, 375};
    QRect commandPrevious{4980, 495, 1500, 375};
    QRect commandNext{7440, 495, 1500, 375};
    QRect commandDelete{7440, 870, 1500, 375};
    QRect commandExportReport{4980, 870, 1500, 375};
    QRect chart{120, 2100, 4800, 2200};
    QRect pointList{4980, 2100, 3600, 2200};
    QRect labelCorr{120, 4336, 2000, 255};
    QRect textCorr{120, 4591, 2000, 315};
    QRect labelStdErr{2400, 4336, 2000, 255};
    QRect textStdErr{2400, 4591, 2000, 315};

    void resize(QSize twips);

private:
    void fitHeight(int height);
    void fitWidth(int width);
};

} // namespace orvo
