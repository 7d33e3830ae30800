#pragma once

#include <orvo/core_export.h>

#include <cstdint>

namespace orvo {

// Rounds to the nearest whole number, halves to the even one
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2), independent of the FPU rounding mode.
ORVO_CORE_EXPORT double roundHalfEven(double value);
// Rounded halves to even and checked: overflow error outside the range
// of the type or for a value that is not a number.
ORVO_CORE_EXPORT int16_t roundToInt16(double value);
ORVO_CORE_EXPORT int32_t roundToInt32(double value);
// Narrows to a 32-bit float: overflow error for a finite value beyond the
// float range; infinities and NaN stay what they are.
ORVO_CORE_EXPORT float toFloatChecked(double value);

} // namespace orvo
