#pragma once

#include <orvo/engine/SubsetFit.h>
#include <orvo/engine/SubsetScreen.h>
#include <orvo/engine/TriangularFactor.h>

#include <vector>

namespace orvo::engine {

// The best fits among all subsets of one size, exactly as if every subset had been fitted and
// ranked, while fitting only those the screen leaves in doubt.
//
// Subsets are fitted in the order of their residual bounds, smallest first. Correlation and
// standard error of a fit fall and rise with its residual, the total sum of squares being the
// same for every subset, and so do the floats they are compared as. Once 17 fits are found,
// the best values a subset could reach with its bound are checked against the 17th: when they
// already rank after it, so do those of every subset still to come, and the search ends; when
// they tie and only the signal list is worse, that one subset is passed over. So every subset
// not fitted ranks after 17 that are.
class BestSubsetSearch {
public:
    static std::vector<SubsetFit> bestOfSize(const TriangularFactor& factor, int size);

private:
    BestSubsetSearch(const TriangularFactor& factor, int size);

    // Decides one subset; false when no later subset can enter the result.
    bool consider(const ScreenedSubset& subset);
    // The highest correlation and smallest standard error with a residual of at least the bound.
    SubsetFit bestPossible(const ScreenedSubset& subset) const;
    void admit(const SubsetFit& fit);

    const TriangularFactor& m_factor;
    double m_totalSquares;     // of the shifted lab value about its mean
    double m_degreesOfFreedom; // n - k - 1
    std::vector<SubsetFit> m_best;
};

} // namespace orvo::engine
