#pragma once

#include <Eigen/Core>

namespace orvo {

class SampleSelection;

// The usable points of a run ready for fitting: each signal centred and scaled
// to unit norm, so that one relative tolerance serves signals of any size and
// the constant needs no column of its own; the lab values centred.
class ScaledSamples {
public:
    // A signal whose variation is at most this fraction of its size is taken
    // as constant, the tolerance the engine uses for a dependent signal.
    static constexpr double kConstantTolerance = 0x1p-20;

    explicit ScaledSamples(const SampleSelection& selection);

    Eigen::Index count() const { return m_lab.size(); }
    // Column k is signal k + 1; a constant signal's column is zero.
    const Eigen::MatrixXd& scaledSignals() const { return m_signals; }
    bool varies(int signal) const { return m_varies[signal - 1]; }
    const Eigen::VectorXd& lab() const { return m_lab; }
    double totalSquares() const { return m_totalSquares; }
    // Cross products of the scaled signals, and of each with the lab values,
    // formed once for all the run's subsets.
    const Eigen::Matrix<double, 10, 10>& gram() const { return m_gram; }
    const Eigen::Matrix<double, 10, 1>& labProducts() const { return m_labProducts; }

private:
    Eigen::MatrixXd m_signals;
    Eigen::VectorXd m_lab;
    double m_totalSquares = 0;
    Eigen::Matrix<double, 10, 10> m_gram = Eigen::Matrix<double, 10, 10>::Zero();
    Eigen::Matrix<double, 10, 1> m_labProducts = Eigen::Matrix<double, 10, 1>::Zero();
    bool m_varies[10] = {};
};

} // namespace orvo
