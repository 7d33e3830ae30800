#include <orvo/regression/SampleSelection.h>
#include <orvo/regression/ScaledSamples.h>

namespace orvo {

ScaledSamples::ScaledSamples(const SampleSelection& selection)
    : m_signals(selection.usableCount(), block::SignalCount), m_lab(selection.usableCount()) {
    for (Eigen::Index i = 0; i < count(); ++i) {
        const auto& values = selection.signalValues(static_cast<int>(i));
        for (Eigen::Index k = 0; k < block::SignalCount; ++k)
            m_signals(i, k) = values[static_cast<std::size_t>(k)];
        m_lab(i) = selection.labValue(static_cast<int>(i));
    }
    if (count() == 0)
        return;
    m_lab.array() -= m_lab.mean();
    for (Eigen::Index k = 0; k < block::SignalCount; ++k) {
        auto column = m_signals.col(k);
        const double size = column.norm();
        column.array() -= column.mean();
        const double variation = column.norm();
        m_varies[k] = variation > kConstantTolerance * size;
        if (m_varies[k])
            column /= variation;
        else
            column.setZero();
    }
    // The symmetric product forms each cross product once.
    Eigen::Matrix<double, 10, 10> lower = Eigen::Matrix<double, 10, 10>::Zero();
    lower.selfadjointView<Eigen::Lower>().rankUpdate(m_signals.transpose());
    m_gram = lower.selfadjointView<Eigen::Lower>();
    m_labProducts = m_signals.transpose() * m_lab;
}

} // namespace orvo
