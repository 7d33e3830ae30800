#pragma once

#include <orvo/engine/UsableSamples.h>

#include <Eigen/Core>

#include <optional>

namespace orvo::engine {

// The upper triangle R of an orthogonal reduction of [1, SIG1..SIG10, lab] over the usable
// points, in this column order. Any subset's own triangle follows from it by a few rotations
// (SubsetTriangle), so the points are reduced once for all the subsets a call tries.
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
    using Triangle = Eigen::Matrix<double, kSize, kSize>;
    // The leading block of a subset: the constant and up to five signals. Fixed sizes keep the
    // small solves fast; a smaller subset's block is padded with the identity, its vectors with
    // zeros, which the solves leave as they are.
    static constexpr int kMaxLeading = RunRequest::kMaxVariables + 1;
    using LeadingBlock = Eigen::Matrix<double, kMaxLeading, kMaxLeading>;
    using LeadingVector = Eigen::Matrix<double, kMaxLeading, 1>;
    // Cross products of the signals and the lab value, one row and column of zeros for padding.
    using CrossProducts = Eigen::Matrix<double, kSize, kSize>;

    explicit TriangularFactor(const SampleMatrix& samples);

    const Triangle& triangle() const { return m_triangle; }
    // The shifted data, columns [1, SIG1..SIG10, lab].
    const Data& data() const { return m_data; }
    Eigen::Index sampleCount() const { return m_data.rows(); }
    double signalShift(int signal) const { return m_shifts[signal - 1]; }
    double labShift() const { return m_shifts[RunRequest::kSignalCount]; }
    // Euclidean norms of a signal's values as given and after the mean shift.
    double signalNorm(int signal) const { return m_norms[signal - 1]; }
    double shiftedSignalNorm(int signal) const { return m_shiftedNorms[signal - 1]; }
    // Of the triangle's rows below the constant, which projects the constant out. Worked out on
    // first use: every full run of two or more signals on these points starts from them.
    const CrossProducts& crossProducts() const;

private:
    Data m_data;
    Triangle m_triangle;
    Eigen::Matrix<double, 1, RunRequest::kSignalCount + 1> m_shifts;
    Eigen::Matrix<double, 1, RunRequest::kSignalCount> m_norms;
    Eigen::Matrix<double, 1, RunRequest::kSignalCount> m_shiftedNorms;
    mutable std::optional<CrossProducts> m_crossProducts;
};

} // namespace orvo::engine
