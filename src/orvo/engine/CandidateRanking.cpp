#include <orvo/engine/CandidateRanking.h>

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

void CandidateRanking::sort(std::vector<SubsetFit>& fits) {
    std::sort(fits.begin(), fits.end(), &CandidateRanking::ranksBefore);
}

} // namespace orvo::engine
