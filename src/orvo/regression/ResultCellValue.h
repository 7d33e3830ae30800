#pragma once

#include <orvo/core_export.h>

namespace orvo {

// The value a cell of the result table shows for one float of the result
// block: magnitudes below 0.000001 read as 0, everything else is cut toward
// zero after the fifth decimal, so that rounding never overstates a result.
ORVO_CORE_EXPORT float resultCellValue(float v);

} // namespace orvo
