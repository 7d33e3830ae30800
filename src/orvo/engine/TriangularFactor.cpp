#include <orvo/engine/TriangularFactor.h>

#include <Eigen/Householder>
#include <Eigen/Jacobi>
#include <Eigen/QR>

#include <algorithm>

namespace orvo::engine {

TriangularFactor::TriangularFactor(const SampleMatrix& samples) : m_data(samples.rows(), kSize) {
    m_shifts = samples.colwise().mean().cast<float>().cast<double>();
    m_norms = samples.leftCols<RunRequest::kSignalCount>().colwise().norm();
    m_data.col(0).setOnes();
    m_data.rightCols<RunRequest::kSignalCount + 1>() = samples.rowwise() - m_shifts;
    m_shiftedNorms = m_data.middleCols<RunRequest::kSignalCount>(1).colwise().norm();

    const Eigen::HouseholderQR<Data> reduction(m_data);
    const Eigen::Index rows = std::min<Eigen::Index>(samples.rows(), kSize);
    m_triangle.setZero();
    m_triangle.topRows(rows) = reduction.matrixQR().topRows(rows).triangularView<Eigen::Upper>();

    for (int position = 0; position < kSize; ++position)
        m_columnAt[static_cast<size_t>(position)] = position;
}

void TriangularFactor::arrange(const SignalSubset& subset) {
    int target = 1;
    for (int position = 1; position <= RunRequest::kSignalCount; ++position) {
        if (subset.contains(signalAt(position))) {
            moveColumn(position, target);
            ++target;
        }
    }
}

void TriangularFactor::moveColumn(int from, int to) {
    for (int position = from - 1; position >= to; --position)
        swapWithNext(position);
}

// Exchanges the columns at position and position + 1, then restores the triangle with one
// rotation of rows position and position + 1.
void TriangularFactor::swapWithNext(int position) {
    m_triangle.col(position).swap(m_triangle.col(position + 1));
    Eigen::JacobiRotation<double> rotation;
    rotation.makeGivens(m_triangle(position, position), m_triangle(position + 1, position));
    m_triangle.applyOnTheLeft(position, position + 1, rotation.adjoint());
    m_triangle(position + 1, position) = 0.0;
    std::swap(m_columnAt[static_cast<size_t>(position)],
              m_columnAt[static_cast<size_t>(position + 1)]);
}

} // namespace orvo::engine
