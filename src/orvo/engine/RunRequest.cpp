#include <orvo/engine/RunRequest.h>

namespace orvo::engine {

namespace {

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
    const int32_t quantity = block[block::Measurement];
    const int32_t count = block[block::Variables];
    const int32_t firstGrade = block[block::FirstGrade];
    const int32_t secondGrade = block[block::SecondGrade];
    const int32_t firstPoint = block[block::FirstPoint];
    const int32_t lastPoint = block[block::LastPoint];
    const int32_t stepRow = block[block::StepRow];
    const auto mode = modeOf(block[block::Mode]);

    const bool valid = quantity >= 0 && quantity <= 3 && count >= 1 && count <= kMaxVariables &&
                       (firstGrade == 1 || firstGrade == 2) &&
                       (secondGrade == 0 || secondGrade == 2) && firstPoint >= 1 &&
                       lastPoint >= firstPoint && mode.has_value() &&
                       (*mode == Mode::FullRun || (stepRow >= 0 && stepRow < kResultRows));
    if (!valid)
        return std::nullopt;

    RunRequest request;
    request.labColumn = block::FirstLabColumn + quantity;
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
