#include <orvo/engine/CandidateSubsets.h>
#include <orvo/engine/RevolvingDoorOrder.h>

namespace orvo::engine {

std::vector<SignalSubset> CandidateSubsets::forRequest(const RunRequest& request,
                                                       const SignalSubset& origin) {
    std::vector<SignalSubset> subsets;
    switch (request.mode) {
    case RunRequest::Mode::FullRun:
        subsets = RevolvingDoorOrder::subsetsOfSize(request.variableCount);
        break;
    case RunRequest::Mode::StepForward:
        if (origin.empty() || origin.size() >= RunRequest::kMaxVariables)
            break;
        for (int signal = 1; signal <= RunRequest::kSignalCount; ++signal) {
            if (!origin.contains(signal))
                subsets.push_back(origin.with(signal));
        }
        break;
    case RunRequest::Mode::StepBack:
        if (origin.size() <= 1)
            break;
        for (const int signal : origin.signals())
            subsets.push_back(origin.without(signal));
        break;
    }
    return subsets;
}

} // namespace orvo::engine
