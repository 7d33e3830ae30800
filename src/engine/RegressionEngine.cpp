#include "engine/RegressionEngine.h"

#include "engine/CandidateRanking.h"
#include "engine/CandidateSubsets.h"
#include "engine/SubsetFitCalculator.h"
#include "engine/TriangularFactor.h"
#include "engine/UsableSamples.h"

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
    std::vector<SubsetFit> fits;
    fits.reserve(subsets.size());
    for (const SignalSubset& subset : subsets) {
        factor.arrange(subset);
        if (auto fit = SubsetFitCalculator::calculate(factor, size))
            fits.push_back(*fit);
    }
    return CandidateRanking::best(std::move(fits), RunRequest::kResultRows);
}

} // namespace orvo::engine
