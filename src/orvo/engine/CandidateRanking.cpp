#include <orvo/engine/CandidateRanking.h>

#include <algorithm>

namespace orvo::engine {

bool CandidateRanking::ranksBefore(const SubsetFit& first, const SubsetFit& second) {
    if (valuesRankBefore(first, second))
        return true;
    if (valuesRankBefore(second, first))
        return false;
    return first.signals.lexicographicallyBefore(second.signals);
}

bool CandidateRanking::valuesRankBefore(const SubsetFit& first, const SubsetFit& second) {
    const auto firstCorrelation = static_cast<float>(first.correlation);
    const auto secondCorrelation = static_cast<float>(second.correlation);
    if (firstCorrelation != secondCorrelation)
        return firstCorrelation > secondCorrelation;
    return static_cast<float>(first.standardError) < static_cast<float>(second.standardError);
}

void CandidateRanking::sort(std::vector<SubsetFit>& fits) {
    std::sort(fits.begin(), fits.end(), &CandidateRanking::ranksBefore);
}

} // namespace orvo::engine
