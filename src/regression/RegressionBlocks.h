#pragma once

#include <array>
#include <cstdint>

namespace orvo {

// The engine's control block and result block (17 candidate rows of 20).
using CalcParams = std::array<int32_t, 19>;
using CalcResults = std::array<float, 340>;

namespace block {
inline constexpr int RowCount = 17;
inline constexpr int ColumnCount = 20;
inline constexpr int MaxVariables = 5;

// Control block elements.
inline constexpr int Measurement = 1;
inline constexpr int Variables = 2;
inline constexpr int FirstGrade = 8;
inline constexpr int SecondGrade = 9;
inline constexpr int FirstPoint = 13;
inline constexpr int LastPoint = 14;
inline constexpr int Mode = 16;
inline constexpr int StepRow = 17;

// Result row columns.
inline constexpr int Constant = 5;
inline constexpr int Correlation = 6;
inline constexpr int StdError = 7;
inline constexpr int FirstSignal = 15;

inline float at(const CalcResults& results, int row, int column) {
    return results[static_cast<std::size_t>(row * ColumnCount + column)];
}
} // namespace block

} // namespace orvo
