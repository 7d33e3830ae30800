#pragma once

#include <QPixmap>

namespace orvo {

// The pictures of the shell's header band, drawn rather than loaded so that
// the library carries no image files: the instrument mark (Image1), the
// calibration line (Image2) and the band's background (Image3).
QPixmap instrumentMark(int size);
QPixmap calibrationMark(int size);
QPixmap headerBackground(QSize size);

} // namespace orvo
