#include <orvo/engine/TriangularFactor.h>

#include <Eigen/Householder>
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
}

const TriangularFactor::CrossProducts& TriangularFactor::crossProducts() const {
    if (!m_crossProducts) {
        constexpr int kRest = kSize - 1;
        const auto rest = m_triangle.bottomRightCorner<kRest, kRest>();
        m_crossProducts.emplace(CrossProducts::Zero());
        m_crossProducts->topLeftCorner<kRest, kRest>().noalias() = rest.transpose() * rest;
    }
    return *m_crossProducts;
}

} // namespace orvo::engine
