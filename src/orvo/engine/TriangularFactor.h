#pragma once

#include <orvo/engine/SignalSubset.h>
#include <orvo/engine/UsableSamples.h>

#include <Eigen/Core>

#include <array>

namespace orvo::engine {

// The upper triangle R of an orthogonal reduction of [1, SIG1..SIG10, lab] over the usable
// points, with the signals' columns reorderable by Givens rotations. After arrange(s), the
// leading (k+1)x(k+1) block and the first k+1 entries of the lab column are the triangle of
// the regression on s alone, and the remaining lab entries hold its residual.
//
// Signals and lab value are shifted by their means, rounded to float, before the reduction.
// The constant column absorbs the shift exactly, so the fit is unchanged, while the reduction
// works on the spread of the data instead of on its offset: large values with a small spread
// keep their accuracy. The difference of two floats is exact in double (unless their
// magnitudes differ by more than 2^29), so the shifted data are still the caller's data.
class TriangularFactor {
public:
    static constexpr int kSize = RunRequest::kSignalCount + 2;
    static constexpr int kLabPosition = kSize - 1;
    using Data = Eigen::Matrix<double, Eigen::Dynamic, kSize>;
    // The leading block of a subset: the constant and up to five signals.
    static constexpr int kMaxLeading = RunRequest::kMaxVariables + 1;
    using LeadingBlock =
        Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, 0, kMaxLeading, kMaxLeading>;
    using LeadingVector = Eigen::Matrix<double, Eigen::Dynamic, 1, 0, kMaxLeading, 1>;

    explicit TriangularFactor(const SampleMatrix& samples);

    // Moves the subset's signals to positions 1..k, keeping their present relative order.
    void arrange(const SignalSubset& subset);

    const Eigen::Matrix<double, kSize, kSize>& triangle() const { return m_triangle; }
    int signalAt(int position) const { return m_columnAt[static_cast<size_t>(position)]; }
    // The shifted data, columns [1, SIG1..SIG10, lab] in their original order.
    const Data& data() const { return m_data; }
    // Column of data() now at a position of the triangle.
    int dataColumnAt(int position) const { return m_columnAt[static_cast<size_t>(position)]; }
    Eigen::Index sampleCount() const { return m_data.rows(); }
    double signalShift(int signal) const { return m_shifts[signal - 1]; }
    double labShift() const { return m_shifts[RunRequest::kSignalCount]; }
    // Euclidean norms of a signal's values as given and after the mean shift.
    double signalNorm(int signal) const { return m_norms[signal - 1]; }
    double shiftedSignalNorm(int signal) const { return m_shiftedNorms[signal - 1]; }

private:
    void moveColumn(int from, int to);
    void swapWithNext(int position);

    Data m_data;
    Eigen::Matrix<double, kSize, kSize> m_triangle;
    std::array<int, kSize> m_columnAt{};
    Eigen::Matrix<double, 1, RunRequest::kSignalCount + 1> m_shifts;
    Eigen::Matrix<double, 1, RunRequest::kSignalCount> m_norms;
    Eigen::Matrix<double, 1, RunRequest::kSignalCount> m_shiftedNorms;
};

} // namespace orvo::engine
