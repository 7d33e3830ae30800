#include <orvo/regression/CandidateText.h>
#include <orvo/regression/DiagnosticThresholds.h>
#include <orvo/regression/RunDiagnostics.h>
#include <orvo/regression/ScaledSamples.h>
#include <orvo/regression/SubsetLeastSquares.h>

#include <algorithm>
#include <cmath>

namespace orvo {

namespace {

std::optional<double> finite(double value) {
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// The leverages of 1 are exact ones: the fit rounds those within tolerance.
std::optional<double> press(const SubsetLeastSquares& fit) {
    const auto leverages = fit.leverages().array();
    if (fit.sampleCount() == 0 || leverages.maxCoeff() == 1)
        return std::nullopt;
    return finite((fit.residuals().array() / (1 - leverages)).square().sum());
}

// t_i = e_i / (s_(i) sqrt(1 - h_ii)), s_(i) the standard error without point i.
std::optional<double> studentized(const SubsetLeastSquares& fit, Eigen::Index i) {
    const double leverage = fit.leverages()(i);
    const auto freedom = static_cast<double>(fit.sampleCount() - fit.parameterCount() - 1);
    if (SubsetLeastSquares::hasLeverageOne(leverage) || freedom <= 0)
        return std::nullopt;
    const double sse = fit.residualSquares();
    if (sse == 0)
        return 0.0;
    const double residual = fit.residuals()(i);
    const double without = (sse - residual * residual / (1 - leverage)) / freedom;
    if (without <= 0)
        return std::nullopt;
    return finite(residual / std::sqrt(without * (1 - leverage)));
}

// D_i = e_i^2 h_ii / (p s^2 (1 - h_ii)^2), equal to the shift of all fitted
// values when point i is left out, over p s^2.
std::optional<double> cooksDistance(const SubsetLeastSquares& fit, Eigen::Index i) {
    const double leverage = fit.leverages()(i);
    const auto freedom = static_cast<double>(fit.sampleCount() - fit.parameterCount());
    if (SubsetLeastSquares::hasLeverageOne(leverage) || freedom <= 0)
        return std::nullopt;
    const double sse = fit.residualSquares();
    if (sse == 0)
        return 0.0;
    const double residual = fit.residuals()(i);
    const double spread = (1 - leverage) * (1 - leverage);
    return finite(residual * residual * leverage /
                  (fit.parameterCount() * (sse / freedom) * spread));
}

} // namespace

RunDiagnostics::RunDiagnostics(const MeasurementData& data, const CalcParams& params)
    : m_selection(data, params), m_samples(std::make_unique<ScaledSamples>(m_selection)) {
    std::vector<int> all;
    for (int signal = 1; signal <= block::SignalCount; ++signal)
        all.push_back(signal);
    const SubsetLeastSquares full(*m_samples, all);
    const auto freedom = static_cast<double>(full.sampleCount() - full.parameterCount());
    if (freedom > 0 && full.residualSquares() > 0)
        m_fullMeanSquare = full.residualSquares() / freedom;
}

RunDiagnostics::~RunDiagnostics() = default;
RunDiagnostics::RunDiagnostics(RunDiagnostics&&) noexcept = default;
RunDiagnostics& RunDiagnostics::operator=(RunDiagnostics&&) noexcept = default;

std::vector<int> RunDiagnostics::rowSignals(const CalcResults& results, int row) {
    std::vector<int> numbers;
    numbers.reserve(block::MaxVariables);
    for (int slot = 0; slot < block::MaxVariables; ++slot) {
        const int signal = slotSignal(block::at(results, row, block::FirstSignal + slot));
        if (signal != 0 && std::find(numbers.begin(), numbers.end(), signal) == numbers.end())
            numbers.push_back(signal);
    }
    return numbers;
}

CandidateDiagnostics RunDiagnostics::candidate(const CalcResults& results, int row) const {
    const std::vector<int> numbers = rowSignals(results, row);
    const SubsetLeastSquares fit(*m_samples, numbers);
    CandidateDiagnostics d;
    d.row = row;
    const auto n = static_cast<double>(fit.sampleCount());
    d.sampleCount = static_cast<int>(fit.sampleCount());
    d.parameterCount = fit.parameterCount();
    const double p = d.parameterCount;
    const double sse = fit.residualSquares();
    const double sst = m_samples->totalSquares();
    d.rSquared = sst > 0 ? std::clamp(1 - sse / sst, 0.0, 1.0) : 0.0;
    if (n > p) {
        d.adjustedRSquared = 1 - (1 - d.rSquared) * (n - 1) / (n - p);
        d.stdError = std::sqrt(sse / (n - p));
    }
    d.press = press(fit);
    if (d.press && n > 0)
        d.rmsecv = std::sqrt(*d.press / n);
    if (d.press && sst > 0)
        d.predictedRSquared = 1 - *d.press / sst;
    if (m_fullMeanSquare)
        d.mallowsCp = finite(sse / *m_fullMeanSquare - n + 2 * p);
    for (int signal : numbers) {
        const double vif = fit.varianceInflation(signal);
        d.maxVif = std::max(d.maxVif, vif == 0 ? kVifCeiling : std::min(vif, kVifCeiling));
    }
    return d;
}

std::vector<PointInfluence> RunDiagnostics::influence(const CalcResults& results, int row) const {
    const SubsetLeastSquares fit(*m_samples, rowSignals(results, row));
    const auto n = static_cast<double>(fit.sampleCount());
    const double p = fit.parameterCount();
    std::vector<PointInfluence> points;
    for (Eigen::Index i = 0; i < fit.sampleCount(); ++i) {
        PointInfluence point;
        point.index = m_selection.usableIndices()[static_cast<std::size_t>(i)];
        point.residual = fit.residuals()(i);
        point.leverage = fit.leverages()(i);
        point.studentizedResidual = studentized(fit, i);
        point.cooksDistance = cooksDistance(fit, i);
        using namespace diagnostics;
        point.outlier = point.studentizedResidual &&
                        std::abs(*point.studentizedResidual) > kOutlierStudentizedResidual;
        point.highLeverage = point.leverage > kHighLeverageFactor * p / n;
        point.influential =
            point.cooksDistance && *point.cooksDistance > kInfluentialCookFactor / n;
        points.push_back(point);
    }
    return points;
}

} // namespace orvo
