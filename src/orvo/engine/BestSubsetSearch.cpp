#include <orvo/engine/BestSubsetSearch.h>
#include <orvo/engine/CandidateRanking.h>
#include <orvo/engine/SubsetFitCalculator.h>

#include <algorithm>
#include <cmath>

namespace orvo::engine {

namespace {

// Covers the rounding of an exact fit's sums of squares after its rotations.
constexpr double kRoundingBound = 0x1p-40;

// A function object rather than a pointer, so that the heap operations inline it.
constexpr auto hasLargerBound = [](const ScreenedSubset& first, const ScreenedSubset& second) {
    return first.residualBound > second.residualBound;
};

} // namespace

std::vector<SubsetFit> BestSubsetSearch::bestOfSize(const TriangularFactor& factor, int size) {
    SubsetScreen screen(factor, size);
    std::vector<ScreenedSubset>& pending = screen.subsets();
    std::make_heap(pending.begin(), pending.end(), hasLargerBound);
    BestSubsetSearch search(factor, size);
    while (!pending.empty()) {
        std::pop_heap(pending.begin(), pending.end(), hasLargerBound);
        if (!search.consider(pending.back()))
            break;
        pending.pop_back();
    }
    return std::move(search.m_best);
}

BestSubsetSearch::BestSubsetSearch(const TriangularFactor& factor, int size)
    : m_factor(factor), m_totalSquares(factor.triangle()
                                           .col(TriangularFactor::kLabPosition)
                                           .tail(TriangularFactor::kSize - 1)
                                           .squaredNorm()),
      m_degreesOfFreedom(static_cast<double>(factor.sampleCount() - size - 1)) {
    m_best.reserve(RunRequest::kResultRows + 1);
}

bool BestSubsetSearch::consider(const ScreenedSubset& subset) {
    if (m_best.size() < RunRequest::kResultRows) {
        if (const auto fit = SubsetFitCalculator::fit(m_factor, subset.signals))
            admit(*fit);
        return true;
    }
    const SubsetFit best = bestPossible(subset);
    if (CandidateRanking::valuesRankBefore(m_best.back(), best))
        return false;
    // A fit that does not rank before the 17th would leave the rows as they are.
    if (CandidateRanking::ranksBefore(best, m_best.back())) {
        if (const auto fit =
                SubsetFitCalculator::fitRankingBefore(m_factor, subset.signals, m_best.back()))
            admit(*fit);
    }
    return true;
}

// An exact fit's R^2 is explained / (explained + residual), with the sum within rounding of the
// total sum of squares.
SubsetFit BestSubsetSearch::bestPossible(const ScreenedSubset& subset) const {
    const double residual = subset.residualBound;
    SubsetFit best;
    best.signals = subset.signals;
    best.correlation = 1;
    if (m_totalSquares > 0) {
        const double share = residual / (m_totalSquares * (1 + kRoundingBound));
        best.correlation = std::sqrt(std::max(0.0, 1 - share)) * (1 + kRoundingBound);
    }
    if (residual > 0)
        best.standardError = std::sqrt(residual / m_degreesOfFreedom) * (1 - kRoundingBound);
    return best;
}

void BestSubsetSearch::admit(const SubsetFit& fit) {
    m_best.insert(
        std::upper_bound(m_best.begin(), m_best.end(), fit, &CandidateRanking::ranksBefore), fit);
    if (m_best.size() > RunRequest::kResultRows)
        m_best.pop_back();
}

} // namespace orvo::engine
