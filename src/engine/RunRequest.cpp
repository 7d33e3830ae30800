#include "engine/RunRequest.h"

namespace orvo::engine {

namespace {

constexpr int kLabQuantity = 1;
constexpr int kVariableCount = 2;
constexpr int kFirstGrade = 8;
constexpr int kSecondGrade = 9;
constexpr int kFirstPoint = 13;
constexpr int kLastPoint = 14;
constexpr int kMode = 16;
constexpr int kStepRow = 17;

constexpr int kFirstLabColumn = 28;

std::optional<RunRequest::Mode> modeOf(int32_t value) {
    switch (value) {
    case 0:
        return RunRequest::Mode::FullRun;
    case 1:
        return RunRequest::Mode::StepForward;
    case -1:
        return RunRequest::Mode::StepBack;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<RunRequest> RunRequest::fromControlBlock(const int32_t* block) {
    const int32_t quantity = block[kLabQuantity];
    const int32_t count = block[kVariableCount];
    const int32_t firstGrade = block[kFirstGrade];
    const int32_t secondGrade = block[kSecondGrade];
    const int32_t firstPoint = block[kFirstPoint];
    const int32_t lastPoint = block[kLastPoint];
    const int32_t stepRow = block[kStepRow];
    const auto mode = modeOf(block[kMode]);

    const bool valid = quantity >= 0 && quantity <= 3 && count >= 1 && count <= kMaxVariables &&
                       (firstGrade == 1 || firstGrade == 2) &&
                       (secondGrade == 0 || secondGrade == 2) && firstPoint >= 1 &&
                       lastPoint >= firstPoint && mode.has_value() &&
                       (*mode == Mode::FullRun || (stepRow >= 0 && stepRow < kResultRows));
    if (!valid)
        return std::nullopt;

    RunRequest request;
    request.labColumn = kFirstLabColumn + quantity;
    request.variableCount = count;
    request.firstGrade = static_cast<float>(firstGrade);
    request.secondGrade = static_cast<float>(secondGrade);
    request.firstRow = int64_t{firstPoint} - 1;
    request.lastRow = int64_t{lastPoint} - 1;
    request.mode = *mode;
    request.stepRow = *mode == Mode::FullRun ? 0 : stepRow;
    return request;
}

} // namespace orvo::engine
