#pragma once

#include <orvo/engine/SubsetFit.h>

#include <vector>

namespace orvo::engine {

// Orders candidate fits as the result rows list them: higher correlation first, then smaller
// standard error, then the lexicographically smaller signal list. Values are compared as the
// floats that are written, so the order agrees with what the user sees.
class CandidateRanking {
public:
    static bool ranksBefore(const SubsetFit& first, const SubsetFit& second);
    // The comparison of correlation and standard error alone.
    static bool valuesRankBefore(const SubsetFit& first, const SubsetFit& second);

    static void sort(std::vector<SubsetFit>& fits);
};

} // namespace orvo::engine
