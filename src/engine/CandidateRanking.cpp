#include "engine/CandidateRanking.h"

#include <algorithm>

namespace orvo::engine {

bool CandidateRanking::ranksBefore(const SubsetFit& first, const SubsetFit& second) {
    const auto firstCorrelation = static_cast<float>(first.correlation);
    const auto secondCorrelation = static_cast<float>(second.correlation);
    if (firstCorrelation != secondCorrelation)
        return firstCorrelation > secondCorrelation;
    const auto firstError = static_cast<float>(first.standardError);
    const auto secondError = static_cast<float>(second.standardError);
    if (firstError != secondError)
        return firstError < secondError;
    return first.signals.lexicographicallyBefore(second.signals);
}

std::vector<SubsetFit> CandidateRanking::best(std::vector<SubsetFit> fits, size_t count) {
    const size_t kept = std::min(count, fits.size());
    std::partial_sort(fits.begin(), fits.begin() + static_cast<std::ptrdiff_t>(kept), fits.end(),
                      &CandidateRanking::ranksBefore);
    fits.resize(kept);
    return fits;
}

} // namespace orvo::engine
