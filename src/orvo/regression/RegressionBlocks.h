#pragma once

#include <orvo/engine/BlockLayout.h>

#include <array>
#include <cstdint>

namespace orvo {

// The engine's control block and result block (17 candidate rows of 20).
using CalcParams = std::array<int32_t, block::ParamCount>;
using CalcResults = std::array<float, block::ResultCount>;

namespace block {
inline float at(const CalcResults& results, int row, int column) {
    return results[static_cast<std::size_t>(row * ColumnCount + column)];
}
} // namespace block

} // namespace orvo
