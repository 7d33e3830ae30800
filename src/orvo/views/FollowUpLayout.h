#pragma once

#include <QRect>
#include <QSize>

#include <array>

namespace orvo {

// Where the follow-up view's controls stand, in twips. A resize moves things
// only above the minimum size in each direction; below it they keep their
// places.
struct FollowUpLayout {
    static constexpr int MinimumHeight = 4000;
    static constexpr int MinimumWidth = 6000;
    static constexpr int ReadoutCount = 6;

    struct Readout {
        QRect caption;
        QRect box;
    };

    QRect label{120, 120, 2400, 255};
    QRect textFormula{120, 400, 8220, 315};
    QRect chart{120, 840, 5600, 4400};
    // Wide enough for a date with its time in the column below.
    QRect commandFormula{5840, 840, 2500, 375};
    std::array<Readout, ReadoutCount> readouts{};
    QRect checkShowDisabled;

    FollowUpLayout();
    void resize(QSize twips);

private:
    void stackReadouts();
    void fitHeight(int height);
    void fitWidth(int width);
};

} // namespace orvo
