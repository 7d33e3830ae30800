#pragma once

#include <vector>

namespace orvo::bench {

// The baseline: every subset of k signals fitted separately with an Eigen QR of its own
// columns, and the 17 of highest correlation kept. Returns their correlations.
class NaiveBestSubsets {
public:
    static std::vector<double> run(const std::vector<float>& matrix, int points, int k);
};

} // namespace orvo::bench
