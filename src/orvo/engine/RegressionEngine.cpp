#include <orvo/engine/CandidateRanking.h>
#include <orvo/engine/CandidateSubsets.h>
#include <orvo/engine/RegressionEngine.h>
#include <orvo/engine/SubsetFitCalculator.h>
#include <orvo/engine/TriangularFactor.h>
#include <orvo/engine/UsableSamples.h>

namespace orvo::engine {

std::vector<SubsetFit> RegressionEngine::bestCandidates(const RunRequest& request,
                                                        const float* matrix,
                                                        const SignalSubset& origin) {
    const std::vector<SignalSubset> subsets = CandidateSubsets::forRequest(request, origin);
    if (subsets.empty())
        return {};
    const int size = subsets.front().size();
    const SampleMatrix samples = UsableSamples::select(request, matrix);
    if (samples.rows() < size + 1)
        return {};

    TriangularFactor factor(samples);
    std::vector<SubsetFit> screened;
    screened.reserve(subsets.size());
    for (const SignalSubset& subset : subsets) {
        factor.arrange(subset);
        if (auto fit = SubsetFitCalculator::screen(factor, size))
            screened.push_back(*fit);
    }
    CandidateRanking::sort(screened);

    // Only the written fits are completed; one whose values do not fit in a float gives way to
    // the next. Completing keeps the screened correlation and standard error, so the order is
    // that of the values written.
    std::vector<SubsetFit> best;
    for (const SubsetFit& candidate : screened) {
        if (best.size() == RunRequest::kResultRows)
            break;
        factor.arrange(candidate.signals);
        if (auto fit = SubsetFitCalculator::complete(factor, candidate))
            best.push_back(*fit);
    }
    return best;
}

} // namespace orvo::engine
