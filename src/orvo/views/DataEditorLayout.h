#pragma once

#include <QRect>
#include <QSize>

namespace orvo {

// Where the data editor's controls stand, in twips: the command buttons in
// one row at the top right, the title at the left directly above the grid,
// the grid filling the rest. A resize moves things only above the minimum
// size in each direction, otherwise the controls keep their places.
struct DataEditorLayout {
    static constexpr int MinimumWidth = 7600;
    static constexpr int MinimumHeight = 2400;

    QRect label{Margin, 240, 3000, 255};
    QRect commandClear{0, Margin, ButtonWidth, 375};
    QRect commandImport = commandClear;
    QRect commandExport = commandClear;
    QRect commandSave = commandClear;
    QRect commandUpdate = commandClear;
    QRect grid{Margin, 555, 0, 0};

    DataEditorLayout();
    void resize(QSize twips);

private:
    static constexpr int Margin = 120;
    static constexpr int ButtonWidth = 1400;
    static constexpr int ButtonGap = 60;

    void fitWidth(int width);
    void fitHeight(int height);
};

} // namespace orvo
