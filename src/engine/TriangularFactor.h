#pragma once

#include "engine/SignalSubset.h"
#include "engine/UsableSamples.h"

#include <Eigen/Core>

#include <array>

namespace orvo::engine {

// The upper triangle R of an orthogonal reduction of [1, SIG1..SIG10, lab] over the usable
// points, with the signals' columns reorderable by Givens rotations. After arrange(s), the
// leading (k+1)x(k+1) block and the first k+1 entries of the lab column are the triangle of
// the regression on s alone, and the remaining lab entries hold its residual.
//
// Signals and lab value are shifted by their means before the reduction. The constant column
// absorbs the shift exactly, so the fit is unchanged, while the reduction then works on the
// spread of the data instead of on its offset: large values with a small spread keep their
// accuracy.
class TriangularFactor {
public:
    static constexpr int kSize = RunRequest::kSignalCount + 2;
    static constexpr int kLabPosition = kSize - 1;

    explicit TriangularFactor(const SampleMatrix& samples);

    // Moves the subset's signals to positions 1..k, keeping their present relative order.
    void arrange(const SignalSubset& subset);

    const Eigen::Matrix<double, kSize, kSize>& triangle() const { return m_triangle; }
    int signalAt(int position) const { return m_signalAt[static_cast<size_t>(position)]; }
    Eigen::Index sampleCount() const { return m_sampleCount; }
    double signalMean(int signal) const { return m_means[signal - 1]; }
    double labMean() const { return m_means[RunRequest::kSignalCount]; }
    // Euclidean norms of a signal's values as given and after the mean shift.
    double signalNorm(int signal) const { return m_norms[signal - 1]; }
    double shiftedSignalNorm(int signal) const { return m_shiftedNorms[signal - 1]; }

private:
    void moveColumn(int from, int to);
    void swapWithNext(int position);

    Eigen::Matrix<double, kSize, kSize> m_triangle;
    std::array<int, kSize> m_signalAt{}; // 0 for the constant and lab positions
    Eigen::Index m_sampleCount = 0;
    Eigen::Matrix<double, 1, RunRequest::kSignalCount + 1> m_means;
    Eigen::Matrix<double, 1, RunRequest::kSignalCount> m_norms;
    Eigen::Matrix<double, 1, RunRequest::kSignalCount> m_shiftedNorms;
};

} // namespace orvo::engine
