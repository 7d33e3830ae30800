#include "regression/ResultCellValue.h"

#include <cmath>

namespace orvo {

float resultCellValue(float v) {
    if (std::fabs(v) < 0.000001f)
        return 0.0f;
    // Scaled in double so that the fraction dropped is that of the float's
    // exact value, not of a product already rounded to float.
    return static_cast<float>(std::trunc(static_cast<double>(v) * 100000.0) / 100000.0);
}

} // namespace orvo
