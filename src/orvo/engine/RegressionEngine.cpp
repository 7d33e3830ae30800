#include <orvo/engine/BestSubsetSearch.h>
#include <orvo/engine/CandidateRanking.h>
#include <orvo/engine/CandidateSubsets.h>
#include <orvo/engine/FactorCache.h>
#include <orvo/engine/RegressionEngine.h>
#include <orvo/engine/SubsetFitCalculator.h>

namespace orvo::engine {

namespace {

// Fits every subset; a fit whose values do not fit in a float gives way to the next.
std::vector<SubsetFit> fitEach(const TriangularFactor& factor,
                               const std::vector<SignalSubset>& subsets) {
    std::vector<SubsetFit> fits;
    fits.reserve(subsets.size());
    for (const SignalSubset& subset : subsets) {
        if (auto fit = SubsetFitCalculator::fit(factor, subset))
            fits.push_back(*fit);
    }
    CandidateRanking::sort(fits);
    if (fits.size() > RunRequest::kResultRows)
        fits.resize(RunRequest::kResultRows);
    return fits;
}

} // namespace

std::vector<SubsetFit> RegressionEngine::bestCandidates(const RunRequest& request,
                                                        const float* matrix,
                                                        const SignalSubset& origin) {
    const std::vector<SignalSubset> subsets = CandidateSubsets::forRequest(request, origin);
    if (subsets.empty())
        return {};
    const int size = subsets.front().size();
    const TriangularFactor* factor = FactorCache::factorFor(request, matrix);
    if (factor == nullptr || factor->sampleCount() < size + 1)
        return {};
    // More subsets than rows: only a full run, where screening pays.
    if (subsets.size() > RunRequest::kResultRows)
        return BestSubsetSearch::bestOfSize(*factor, size);
    return fitEach(*factor, subsets);
}

} // namespace orvo::engine
