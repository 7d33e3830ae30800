#include "engine/SubsetFitCalculator.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvo::engine {

namespace {

constexpr int kMaxBlock = RunRequest::kMaxVariables + 1;
using Block = Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, 0, kMaxBlock, kMaxBlock>;
using Vector = Eigen::Matrix<double, Eigen::Dynamic, 1, 0, kMaxBlock, 1>;

bool hasDependentSignal(const TriangularFactor& factor, int k) {
    for (int position = 1; position <= k; ++position) {
        const double distance = std::abs(factor.triangle()(position, position));
        if (distance <= SubsetFitCalculator::kDependencyTolerance *
                            factor.signalNorm(factor.signalAt(position)))
            return true;
    }
    return false;
}

// Slot of the signal at each position 1..k (index 0 unused).
std::array<size_t, kMaxBlock> slotsByPosition(const TriangularFactor& factor, int k,
                                              SignalSubset& subset) {
    for (int position = 1; position <= k; ++position)
        subset = subset.with(factor.signalAt(position));
    const std::vector<int> ascending = subset.signals();
    std::array<size_t, kMaxBlock> slots{};
    for (int position = 1; position <= k; ++position) {
        const auto found = std::find(ascending.begin(), ascending.end(), factor.signalAt(position));
        slots[static_cast<size_t>(position)] = static_cast<size_t>(found - ascending.begin());
    }
    return slots;
}

bool isWritable(double value) {
    return std::abs(value) <= std::numeric_limits<float>::max();
}

bool isWritable(const SubsetFit& fit) {
    const auto writable = [](double value) {
        return isWritable(value);
    };
    return std::all_of(fit.coefficients.begin(), fit.coefficients.end(), writable) &&
           std::all_of(fit.tCoefficients.begin(), fit.tCoefficients.end(), writable) &&
           isWritable(fit.constant) && isWritable(fit.standardError) && isWritable(fit.tTotal) &&
           isWritable(fit.tConstant);
}

} // namespace

std::optional<SubsetFit> SubsetFitCalculator::calculate(const TriangularFactor& factor, int k) {
    const int size = k + 1; // the constant and the k signals
    const Eigen::Index degreesOfFreedom = factor.sampleCount() - size;
    if (degreesOfFreedom < 0 || hasDependentSignal(factor, k))
        return std::nullopt;

    const Block leading = factor.triangle().topLeftCorner(size, size);
    const auto lab = factor.triangle().col(TriangularFactor::kLabPosition);
    const Vector parameters = leading.triangularView<Eigen::Upper>().solve(Vector(lab.head(size)));

    const double explained = lab.segment(1, k).squaredNorm();
    double residual = lab.tail(TriangularFactor::kSize - size).squaredNorm();
    double coefficientScale = 0;
    for (int position = 1; position <= k; ++position)
        coefficientScale +=
            std::abs(parameters(position)) * factor.shiftedSignalNorm(factor.signalAt(position));
    const double exactFitBound =
        kExactFitTolerance * (std::sqrt(explained + residual) + coefficientScale);
    const bool exact = degreesOfFreedom == 0 || residual <= exactFitBound * exactFitBound;
    if (exact)
        residual = 0;

    SubsetFit fit;
    const auto slots = slotsByPosition(factor, k, fit.signals);
    fit.correlation = explained > 0 ? std::sqrt(explained / (explained + residual)) : 0.0;
    fit.standardError = exact ? 0.0 : std::sqrt(residual / static_cast<double>(degreesOfFreedom));

    // B of the original data follows from the constant of the mean-shifted fit through the
    // means; its variance from the same combination of the parameters.
    Vector constantWeights(size);
    constantWeights(0) = 1;
    fit.constant = factor.labMean() + parameters(0);
    for (int position = 1; position <= k; ++position) {
        const double mean = factor.signalMean(factor.signalAt(position));
        constantWeights(position) = -mean;
        fit.constant -= parameters(position) * mean;
        fit.coefficients[slots[static_cast<size_t>(position)]] = parameters(position);
    }

    if (!exact) {
        // Covariance of the parameters: s^2 (R^T R)^-1 = s^2 R^-1 R^-T.
        const Block inverse =
            leading.triangularView<Eigen::Upper>().solve(Block::Identity(size, size));
        for (int position = 1; position <= k; ++position) {
            const double error = fit.standardError * inverse.row(position).norm();
            fit.tCoefficients[slots[static_cast<size_t>(position)]] = parameters(position) / error;
        }
        const double constantError =
            fit.standardError * (inverse.transpose() * constantWeights).norm();
        fit.tConstant = fit.constant / constantError;
        fit.tTotal =
            k == 1 ? std::abs(fit.tCoefficients[0]) : std::sqrt(explained / k) / fit.standardError;
    }

    if (!isWritable(fit))
        return std::nullopt;
    return fit;
}

} // namespace orvo::engine
