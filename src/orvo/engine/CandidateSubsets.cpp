#include <orvo/engine/CandidateSubsets.h>

#include <array>

namespace orvo::engine {

namespace {

// Every subset of k signals, for each k.
const std::vector<SignalSubset>& subsetsOfSize(int k) {
    static const auto bySize = [] {
        std::array<std::vector<SignalSubset>, RunRequest::kSignalCount + 1> all;
        for (unsigned bits = 0; bits < 1u << RunRequest::kSignalCount; ++bits) {
            SignalSubset subset;
            for (int signal = 1; signal <= RunRequest::kSignalCount; ++signal) {
                if ((bits >> (signal - 1) & 1u) != 0)
                    subset = subset.with(signal);
            }
            all[static_cast<size_t>(subset.size())].push_back(subset);
        }
        return all;
    }();
    return bySize.at(static_cast<size_t>(k));
}

} // namespace

std::vector<SignalSubset> CandidateSubsets::forRequest(const RunRequest& request,
                                                       const SignalSubset& origin) {
    std::vector<SignalSubset> subsets;
    switch (request.mode) {
    case RunRequest::Mode::FullRun:
        subsets = subsetsOfSize(request.variableCount);
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
