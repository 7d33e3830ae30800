#include <orvo/regression/SampleSelection.h>
#include <orvo/regression/ScaledSamples.h>

namespace orvo {

ScaledSamples::ScaledSamples(const SampleSelection& selection)
    : m_signals(selection.usableCount(), block::SignalCount), m_lab(selection.usableCount()) {
    if (selection.usableCount() == 0)
        return;
    using Rows = Eigen::Matrix<double, Eigen::Dynamic, block::SignalCount, Eigen::RowMajor>;
    m_signals =
        Eigen::Map<const Rows>(selection.signalValues(0).data(), count(), block::SignalCount);
    for (Eigen::Index i = 0; i < count(); ++i)
        m_lab(i) = selection.labValue(static_cast<int>(i));
    m_lab.array() -= m_lab.mean();
    m_totalSquares = m_lab.squaredNorm();
    for (Eigen::Index k = 0; k < block::SignalCount; ++k) {
        auto column = m_signals.col(k);
        const double size = column.norm();
        column.array() -= column.mean();
        const double variation = column.norm();
        m_varies[k] = variation > kConstantTolerance * size;
        if (m_varies[k])
            column *= 1 / variation;
        else
            column.setZero();
    }
    // Each cross product once, as the dot product of two columns.
    for (Eigen::Index k = 0; k < block::SignalCount; ++k) {
        for (Eigen::Index l = 0; l <= k; ++l)
            m_gram(k, l) = m_gram(l, k) = m_signals.col(k).dot(m_signals.col(l));
        m_labProducts(k) = m_signals.col(k).dot(m_lab);
    }
}

} // namespace orvo
