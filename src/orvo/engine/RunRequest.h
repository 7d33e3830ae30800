#pragma once

#include <orvo/engine/BlockLayout.h>

#include <cstdint>
#include <optional>

namespace orvo::engine {

// What one call of the engine is asked to do, read from the 19-element control block.
struct RunRequest {
    enum class Mode { FullRun, StepForward, StepBack };

    static constexpr int kSignalCount = block::SignalCount;
    static constexpr int kMaxVariables = block::MaxVariables;
    static constexpr int kResultRows = block::RowCount;

    int labColumn = 0;     // matrix column of the lab quantity
    int variableCount = 0; // 1..5, the subset size of a full run
    float firstGrade = 0;
    float secondGrade = 0; // 0 when only the first grade is taken
    int64_t firstRow = 0;  // 0-based, inclusive
    int64_t lastRow = 0;   // 0-based, inclusive
    Mode mode = Mode::FullRun;
    int stepRow = 0; // result row a step starts from

    // Empty when the block makes no sense; elements that carry nothing are not looked at.
    static std::optional<RunRequest> fromControlBlock(const int32_t* block);
};

} // namespace orvo::engine
