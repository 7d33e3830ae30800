#include <orvo/regression/ResultCellValue.h>

#include <cmath>

namespace orvo {

float resultCellValue(float v) {
    if (std::fabs(v) < 0.000001f)
        return 0.0f;
    // Scaled in double so that the fraction dropped is that of the float's
    // exact value, not of a product already rounded to float.
    const auto cut = static_cast<float>(std::trunc(static_cast<double>(v) * 100000.0) / 100000.0);
    // A small negative value cuts to -0, which would show as "-0".
    return cut == 0.0f ? 0.0f : cut;
}

} // namespace orvo
