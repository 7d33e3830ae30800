#pragma once

#include <Eigen/Core>

#include <vector>

namespace orvo::bench {

// The baseline: every subset fitted separately with an Eigen QR of its own columns, and the 17
// of highest correlation kept. Subsets are bit sets of signals (bit 0 = signal 1).
class NaiveBestSubsets {
public:
    // SIG1..SIG10 and the lab value of the first points, one column each.
    static Eigen::MatrixXd columnsOf(const std::vector<float>& matrix, int points);
    // Returns the kept correlations.
    static std::vector<double> run(const std::vector<float>& matrix, int points,
                                   const std::vector<unsigned>& subsets);
    // Every subset of k signals, as a full run tries them.
    static std::vector<unsigned> ofSize(int k);
    // The subsets a step from origin tries: one signal more (mode 1) or less (mode -1).
    static std::vector<unsigned> stepsFrom(unsigned origin, int mode);
};

} // namespace orvo::bench
