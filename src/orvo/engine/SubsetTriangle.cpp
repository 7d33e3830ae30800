#include <orvo/engine/SubsetTriangle.h>

#include <Eigen/Jacobi>

namespace orvo::engine {

SubsetTriangle::SubsetTriangle(const TriangularFactor& factor, const SignalSubset& subset)
    : m_factor(factor), m_size(subset.size()) {
    const TriangularFactor::Triangle& triangle = factor.triangle();
    m_rows.setZero();
    m_rows.col(0) = triangle.col(0);
    int position = 0;
    for (int signal = 1; signal <= RunRequest::kSignalCount; ++signal) {
        if (subset.contains(signal)) {
            ++position;
            m_columnAt[static_cast<size_t>(position)] = signal;
            m_rows.col(position) = triangle.col(signal);
        }
    }
    m_rows.col(m_size + 1) = triangle.col(TriangularFactor::kLabPosition);
    for (position = 1; position <= m_size; ++position)
        eliminateBelowDiagonal(position);
}

SubsetTriangle::Block SubsetTriangle::leading() const {
    Block block = Block::Identity();
    block.topLeftCorner(m_size + 1, m_size + 1) = m_rows.topLeftCorner(m_size + 1, m_size + 1);
    return block;
}

SubsetTriangle::Vector SubsetTriangle::labHead() const {
    Vector head = Vector::Zero();
    head.head(m_size + 1) = m_rows.col(m_size + 1).head(m_size + 1);
    return head;
}

double SubsetTriangle::explainedSquares() const {
    return m_rows.col(m_size + 1).segment(1, m_size).squaredNorm();
}

double SubsetTriangle::residualSquares() const {
    return m_rows.col(m_size + 1).tail(TriangularFactor::kSize - m_size - 1).squaredNorm();
}

// The factor's column of signal s has entries in rows 0..s only, and the rotations for the
// positions before keep it so. Rotating rows r-1 and r from r = s up to the diagonal clears
// it; the columns after it take the same rotations, those before are zero in these rows.
void SubsetTriangle::eliminateBelowDiagonal(int position) {
    for (int row = signalAt(position); row > position; --row) {
        Eigen::JacobiRotation<double> rotation;
        rotation.makeGivens(m_rows(row - 1, position), m_rows(row, position));
        m_rows.applyOnTheLeft(row - 1, row, rotation.adjoint());
        m_rows(row, position) = 0.0;
    }
}

} // namespace orvo::engine
