#include "SampleData.h"

#include <orvo/regression/RegressionCalculation.h>
#include <orvo/regression/RunDiagnostics.h>

#include <Eigen/Dense>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

using Eigen::Index;
using Eigen::MatrixXd;
using Eigen::VectorXd;
using orvo::CalcResults;
using orvo::RunDiagnostics;
using orvo::SampleSelection;

// Signals 1..10 of each point, a row a point.
using Signals = Eigen::Matrix<double, Eigen::Dynamic, 10>;

// Grade 1 points with Cons = lab[i] and the signals given, all usable.
std::shared_ptr<orvo::MeasurementData> dataOf(const Signals& table, const VectorXd& lab) {
    auto data = std::make_shared<orvo::MeasurementData>();
    for (Index i = 0; i < table.rows(); ++i) {
        std::array<double, 10> row;
        Eigen::Map<Eigen::Matrix<double, 1, 10>>(row.data()) = table.row(i);
        data->AddMeasurementPoint(orvo::test::samplePoint(static_cast<int>(i), 1, lab(i), row));
    }
    return data;
}

RunDiagnostics runOver(const Signals& table, const VectorXd& lab, int firstGrade = 1) {
    orvo::CalcParams params{};
    params[orvo::block::FirstGrade] = firstGrade;
    params[orvo::block::FirstPoint] = 1;
    params[orvo::block::LastPoint] = static_cast<int>(lab.size());
    return RunDiagnostics(*dataOf(table, lab), params);
}

// Result row 0 holding the given signals in its slots.
CalcResults rowOf(const std::vector<int>& table) {
    CalcResults results{};
    std::ranges::copy(table, results.begin() + orvo::block::FirstSignal);
    return results;
}

// The long way round: a column of ones beside the subset's signals, a fresh
// decomposition for every fit, n refits for leave-one-out.
MatrixXd designOf(const Signals& table, const std::vector<int>& subset) {
    MatrixXd design = MatrixXd::Ones(table.rows(), static_cast<Index>(subset.size()) + 1);
    for (std::size_t j = 0; j < subset.size(); ++j)
        design.col(static_cast<Index>(j) + 1) = table.col(subset[j] - 1);
    return design;
}
VectorXd solve(const MatrixXd& x, const VectorXd& y) {
    return x.completeOrthogonalDecomposition().solve(y);
}
VectorXd residuals(const MatrixXd& x, const VectorXd& y) {
    return y - x * solve(x, y);
}
double spread(const VectorXd& y) {
    return (y.array() - y.mean()).matrix().squaredNorm();
}
MatrixXd without(const MatrixXd& m, Index i) {
    MatrixXd kept(m.rows() - 1, m.cols());
    kept << m.topRows(i), m.bottomRows(m.rows() - i - 1);
    return kept;
}

// Signals rounded to float as the data file and the engine hold them.
Signals randomSignals(Index n, std::mt19937& random) {
    std::uniform_real_distribution<float> value(-5, 20);
    Signals table(n, 10);
    for (Index i = 0; i < n; ++i)
        for (Index k = 0; k < 10; ++k)
            table(i, k) = value(random);
    return table;
}

VectorXd labOf(const Signals& table, std::mt19937& random, double noise) {
    std::normal_distribution<float> error(0, static_cast<float>(noise));
    VectorXd lab(table.rows());
    for (Index i = 0; i < lab.size(); ++i)
        lab(i) = static_cast<float>(3 + 1.5 * table(i, 0) - 0.7 * table(i, 2) + 0.2 * table(i, 4) +
                                    error(random));
    return lab;
}

void expectRelative(double actual, double expected, double tolerance, const char* what) {
    EXPECT_NEAR(actual, expected, tolerance * std::max(1.0, std::abs(expected))) << what;
}

// Every statistic and flag against its long-way value, for one data set and
// subset; the flags by the documented limits |t| > 3, h > 3p/n and D > 4/n.
std::vector<orvo::PointInfluence> checkAgainstReference(const Signals& table, const VectorXd& lab,
                                                        const std::vector<int>& subset,
                                                        double tolerance) {
    const auto n = static_cast<int>(lab.size());
    const RunDiagnostics diagnostics = runOver(table, lab);
    const orvo::CandidateDiagnostics d = diagnostics.candidate(rowOf(subset), 0);
    const auto points = diagnostics.influence(rowOf(subset), 0);
    const MatrixXd x = designOf(table, subset);
    const auto p = static_cast<double>(x.cols());
    const VectorXd e = residuals(x, lab);
    const VectorXd h = (x * x.completeOrthogonalDecomposition().pseudoInverse()).diagonal();
    const double sse = e.squaredNorm(), sst = spread(lab);
    EXPECT_EQ(d.sampleCount, n);
    EXPECT_EQ(d.parameterCount, x.cols());
    EXPECT_EQ(points.size(), static_cast<std::size_t>(n));
    double press = 0;
    for (Index i = 0; i < n && i < static_cast<Index>(points.size()); ++i) {
        const MatrixXd xLess = without(x, i);
        const VectorXd labLess = without(lab, i), coefficientsLess = solve(xLess, labLess);
        press += std::pow(lab(i) - x.row(i).dot(coefficientsLess), 2);
        const double sLess = std::sqrt(residuals(xLess, labLess).squaredNorm() / (n - 1 - p));
        const double t = e(i) / (sLess * std::sqrt(1 - h(i)));
        const double cook =
            (x * (solve(x, lab) - coefficientsLess)).squaredNorm() / (p * sse / (n - p));
        const orvo::PointInfluence& point = points[static_cast<std::size_t>(i)];
        EXPECT_EQ(point.index, i);
        expectRelative(point.residual, e(i), tolerance, "residual");
        expectRelative(point.leverage, h(i), tolerance, "leverage");
        expectRelative(*point.studentizedResidual, t, tolerance, "t");
        expectRelative(*point.cooksDistance, cook, tolerance, "Cook");
        EXPECT_EQ(point.outlier, std::abs(t) > 3) << i;
        EXPECT_EQ(point.highLeverage, h(i) > 3 * p / n) << i;
        EXPECT_EQ(point.influential, cook > 4.0 / n) << i;
    }
    expectRelative(d.rSquared, 1 - sse / sst, tolerance, "R2");
    expectRelative(*d.adjustedRSquared, 1 - (sse / (n - p)) / (sst / (n - 1)), tolerance, "adj");
    expectRelative(d.stdError, std::sqrt(sse / (n - p)), tolerance, "stdError");
    expectRelative(*d.press, press, tolerance, "PRESS");
    expectRelative(*d.rmsecv, std::sqrt(press / n), tolerance, "RMSECV");
    expectRelative(*d.predictedRSquared, 1 - press / sst, tolerance, "predicted R2");
    const double fullSse =
        residuals(designOf(table, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), lab).squaredNorm();
    expectRelative(*d.mallowsCp, sse / (fullSse / (n - 11.0)) - n + 2 * p, tolerance, "Cp");
    // 1 / (1 - R^2) of each signal column on the constant and the others.
    double maxVif = 1;
    for (Index j = 1; j < x.cols(); ++j) {
        const MatrixXd others = without(x.transpose(), j).transpose();
        maxVif = std::max(maxVif, spread(x.col(j)) / residuals(others, x.col(j)).squaredNorm());
    }
    expectRelative(d.maxVif, maxVif, tolerance, "VIF");
    return points;
}

TEST(Diagnostics, MatchTheLongWayOnRandomData) {
    std::mt19937 random(18);
    for (const std::vector<int>& subset : {std::vector<int>{1}, {1, 3}, {5, 1, 3, 8}}) {
        const Signals table = randomSignals(40, random);
        VectorXd lab = labOf(table, random, 0.5);
        lab(7) = static_cast<float>(lab(7) + 6); // planted outlier
        const auto points = checkAgainstReference(table, lab, subset, 1e-8);
        // With every signal of the lab values fitted, the planted point stands out.
        if (subset.size() == 4)
            for (std::size_t i = 0; i < points.size(); ++i)
                EXPECT_EQ(points[i].outlier, i == 7) << i;
    }
}

// Powers x..x^5 of x = 0..20, a polynomial of the kind the NIST sets use to
// test least squares near the limit of double precision.
TEST(Diagnostics, MatchTheLongWayOnIllConditionedPowers) {
    std::mt19937 random(5);
    Signals table = randomSignals(21, random);
    VectorXd lab(21);
    for (int x = 0; x <= 20; ++x) {
        for (int k = 0; k < 5; ++k)
            table(x, k) = std::pow(x, k + 1);
        lab(x) = 1 + x + x * x + table(x, 2) + table(x, 3) + table(x, 4) + (x % 3 - 1) * 1000.0;
    }
    checkAgainstReference(table, lab, {1, 2, 3, 4, 5}, 1e-5);
}

TEST(Diagnostics, TheRunsOwnPointsAndStatisticsAreUsed) {
    std::mt19937 random(7);
    Signals table = randomSignals(30, random);
    VectorXd lab = labOf(table, random, 0.3);
    auto data = dataOf(table, lab);
    data->getMeasurementPoints(3)->enabled = false;
    data->getMeasurementPoints(4)->Grade = 2;
    data->getMeasurementPoints(5)->LabCons = 0;
    data->getMeasurementPoints(6)->SIG3 = std::numeric_limits<double>::infinity();
    orvo::RegressionCalculation calculation;
    orvo::RegressionInputs inputs{0, 1, true, false, "2", "29"};
    ASSERT_EQ(calculation.fullRun(*data, inputs), orvo::RegressionCalculation::Outcome::Ran);

    const RunDiagnostics diagnostics(*data, calculation.calcParams());
    using Status = SampleSelection::Status;
    const auto& range = diagnostics.selection().rangePoints();
    ASSERT_EQ(range.size(), 28u);
    EXPECT_EQ(range.front().index, 1);
    const Status expected[] = {Status::Usable,     Status::Usable,     Status::Disabled,
                               Status::OtherGrade, Status::NoLabValue, Status::NotFinite};
    for (std::size_t k = 0; k < std::size(expected); ++k)
        EXPECT_EQ(range[k].status, expected[k]) << k;
    EXPECT_EQ(diagnostics.selection().usableCount(), 24);
    for (int row = 0; row < orvo::block::RowCount; ++row) {
        const auto d = diagnostics.candidate(calculation.calcResults(), row);
        const float correlation = orvo::block::at(calculation.calcResults(), row, 6);
        EXPECT_NEAR(d.rSquared, correlation * correlation, 1e-6) << row;
        EXPECT_NEAR(d.stdError, orvo::block::at(calculation.calcResults(), row, 7), 1e-5);
    }
}

// Leave-one-out, studentized residuals and Cook's distance have no finite
// value in these cases; the documented ones stand in.
TEST(Diagnostics, DegenerateFitsGiveTheDocumentedValues) {
    std::mt19937 random(3);
    const Signals four = randomSignals(4, random);
    const Signals exactSignals = randomSignals(12, random);
    const VectorXd exactLab = (2 * exactSignals.col(0).array() + 1).matrix();
    Signals dummy = randomSignals(12, random);
    dummy.col(1) = VectorXd::Unit(12, 5); // only point 5 moves signal 2
    Signals collinear = randomSignals(12, random);
    collinear.col(3).setConstant(7.5); // constant
    collinear.col(2) = (collinear.col(0) + collinear.col(1)).cast<float>().cast<double>();
    const VectorXd noisy = labOf(dummy, random, 1), fourLab = labOf(four, random, 1);
    const VectorXd collinearLab = labOf(collinear, random, 1);
    // Name, table, lab values, subset; p, whether PRESS, t and an exact fit are expected.
    const std::tuple<const char*, Signals, VectorXd, std::vector<int>, int, bool, bool, bool>
        cases[] = {
            {"n = p", four, fourLab, {1, 2, 3}, 4, false, false, true},
            {"exact with n > p", exactSignals, exactLab, {1, 2}, 3, true, true, true},
            {"leverage 1", dummy, noisy, {1, 2}, 3, false, true, false},
            {"constant and dependent", collinear, collinearLab, {1, 2, 3, 4}, 3, true, true, false},
        };
    for (const auto& [name, table, lab, subset, parameters, crossValidated, studentized, exact] :
         cases) {
        SCOPED_TRACE(name);
        const RunDiagnostics diagnostics = runOver(table, lab);
        const auto d = diagnostics.candidate(rowOf(subset), 0);
        EXPECT_EQ(d.parameterCount, parameters);
        EXPECT_EQ(d.press.has_value(), crossValidated);
        EXPECT_EQ(d.predictedRSquared.has_value(), crossValidated);
        EXPECT_EQ(d.adjustedRSquared.has_value(), d.sampleCount > d.parameterCount);
        if (exact) {
            EXPECT_EQ(d.stdError, 0);
            EXPECT_FALSE(d.mallowsCp) << "the full model fits exactly too";
        }
        if (subset.size() == 4)
            EXPECT_EQ(d.maxVif, RunDiagnostics::kVifCeiling);
        for (const auto& point : diagnostics.influence(rowOf(subset), 0)) {
            const bool leverageOne = point.leverage == 1.0 || parameters == d.sampleCount;
            EXPECT_EQ(point.cooksDistance.has_value(), !leverageOne);
            EXPECT_EQ(point.studentizedResidual.has_value(), studentized && !leverageOne);
            if (exact)
                EXPECT_TRUE(point.cooksDistance.value_or(0) == 0 && !point.outlier &&
                            !point.influential);
        }
    }
    const auto flat = runOver(exactSignals, VectorXd::Constant(12, 4.25)).candidate(rowOf({1}), 0);
    EXPECT_EQ(flat.rSquared, 0);
    EXPECT_FALSE(flat.predictedRSquared) << "no variation to predict";
    const auto empty = runOver(exactSignals, exactLab, 2).candidate(rowOf({1}), 0);
    EXPECT_EQ(empty.sampleCount, 0);
    EXPECT_FALSE(empty.press);
}

} // namespace
