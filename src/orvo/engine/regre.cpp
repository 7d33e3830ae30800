#include <orvo/engine/RegressionEngine.h>
#include <orvo/engine/ResultBlock.h>
#include <orvo/engine/RunRequest.h>
#include <orvo/engine/regre.h>

using orvo::engine::RegressionEngine;
using orvo::engine::ResultBlock;
using orvo::engine::RunRequest;
using orvo::engine::SignalSubset;
using orvo::engine::SubsetFit;

extern "C" int32_t regre(int32_t* calcParams, float* data, float* calcResults) {
    if (calcResults == nullptr)
        return -1;
    ResultBlock results(calcResults);
    const auto request =
        calcParams != nullptr ? RunRequest::fromControlBlock(calcParams) : std::nullopt;
    if (!request || data == nullptr) {
        results.clear();
        return -1;
    }

    // A step reads its origin from the block it is about to overwrite.
    const SignalSubset origin = request->mode == RunRequest::Mode::FullRun
                                    ? SignalSubset()
                                    : results.signalsOfRow(request->stepRow);
    const std::vector<SubsetFit> best = RegressionEngine::bestCandidates(*request, data, origin);
    results.write(best);
    return static_cast<int32_t>(best.size());
}
