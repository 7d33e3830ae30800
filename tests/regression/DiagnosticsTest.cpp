#include "SampleData.h"

#include <orvo/regression/DiagnosticThresholds.h>
#include <orvo/regression/RegressionCalculation.h>
#include <orvo/regression/RunDiagnostics.h>

#include <Eigen/Dense>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using Eigen::MatrixXd;
using Eigen::VectorXd;
using orvo::CalcParams;
using orvo::CalcResults;
using orvo::RunDiagnostics;
using orvo::SampleSelection;

using Signals = std::vector<std::array<double, 10>>;

// Grade 1 points with Cons = lab[i] and the signals given, all usable.
std::shared_ptr<orvo::MeasurementData> dataOf(const Signals& table, const VectorXd& lab) {
    auto data = std::make_shared<orvo::MeasurementData>();
    for (std::size_t i = 0; i < table.size(); ++i)
        data->AddMeasurementPoint(orvo::test::samplePoint(
            static_cast<int>(i), 1, lab(static_cast<Eigen::Index>(i)), table[i]));
    return data;
}

CalcParams runOver(int first, int last, int firstGrade = 1, int secondGrade = 0) {
    CalcParams params{};
    params[orvo::block::FirstGrade] = firstGrade;
    params[orvo::block::SecondGrade] = secondGrade;
    params[orvo::block::FirstPoint] = first;
    params[orvo::block::LastPoint] = last;
    return params;
}

// Result row 0 holding the given signals in its slots.
CalcResults rowOf(const std::vector<int>& table) {
    CalcResults results{};
    for (std::size_t slot = 0; slot < table.size(); ++slot)
        results[orvo::block::FirstSignal + slot] = static_cast<float>(table[slot]);
    return results;
}

// Everything computed the long way: the design with its column of ones,
// a fresh decomposition for every refit, n refits for leave-one-out.
struct Reference {
    MatrixXd design;
    VectorXd lab;

    Reference(const Signals& table, const VectorXd& y, const std::vector<int>& subset)
        : design(y.size(), static_cast<Eigen::Index>(subset.size()) + 1), lab(y) {
        for (Eigen::Index i = 0; i < y.size(); ++i) {
            design(i, 0) = 1;
            for (std::size_t j = 0; j < subset.size(); ++j)
                design(i, static_cast<Eigen::Index>(j) + 1) =
                    table[static_cast<std::size_t>(i)][static_cast<std::size_t>(subset[j] - 1)];
        }
    }
    Eigen::Index n() const { return lab.size(); }
    Eigen::Index p() const { return design.cols(); }
    static VectorXd solve(const MatrixXd& x, const VectorXd& y) {
        return x.completeOrthogonalDecomposition().solve(y);
    }
    VectorXd residuals() const { return lab - design * solve(design, lab); }
    double sse() const { return residuals().squaredNorm(); }
    double sst() const { return (lab.array() - lab.mean()).matrix().squaredNorm(); }
    MatrixXd without(const MatrixXd& m, Eigen::Index i) const {
        MatrixXd kept(m.rows() - 1, m.cols());
        kept << m.topRows(i), m.bottomRows(m.rows() - i - 1);
        return kept;
    }
    VectorXd coefficientsWithout(Eigen::Index i) const {
        return solve(without(design, i), without(lab, i));
    }
    double deletedResidual(Eigen::Index i) const {
        return lab(i) - design.row(i).dot(coefficientsWithout(i));
    }
    double press() const {
        double sum = 0;
        for (Eigen::Index i = 0; i < n(); ++i)
            sum += std::pow(deletedResidual(i), 2);
        return sum;
    }
    VectorXd leverages() const {
        return (design * design.completeOrthogonalDecomposition().pseudoInverse()).diagonal();
    }
    double studentized(Eigen::Index i) const {
        const VectorXd rest = without(lab, i) - without(design, i) * coefficientsWithout(i);
        const double s = std::sqrt(rest.squaredNorm() / static_cast<double>(n() - 1 - p()));
        return residuals()(i) / (s * std::sqrt(1 - leverages()(i)));
    }
    double cooks(Eigen::Index i) const {
        const VectorXd shift = design * (solve(design, lab) - coefficientsWithout(i));
        const double s2 = sse() / static_cast<double>(n() - p());
        return shift.squaredNorm() / (static_cast<double>(p()) * s2);
    }
    // 1 / (1 - R^2) of signal column j regressed on the constant and the others.
    double vif(Eigen::Index j) const {
        MatrixXd others(n(), p() - 1);
        others << design.leftCols(j), design.rightCols(p() - j - 1);
        const VectorXd x = design.col(j);
        const double r2 = 1 - (x - others * solve(others, x)).squaredNorm() /
                                  (x.array() - x.mean()).matrix().squaredNorm();
        return 1 / (1 - r2);
    }
};

// Signals rounded to float as the data file and the engine hold them.
Signals randomSignals(int n, std::mt19937& random) {
    std::uniform_real_distribution<float> value(-5, 20);
    Signals table(static_cast<std::size_t>(n));
    for (auto& row : table)
        for (double& s : row)
            s = value(random);
    return table;
}

VectorXd labOf(const Signals& table, std::mt19937& random, double noise) {
    std::normal_distribution<float> error(0, static_cast<float>(noise));
    VectorXd lab(static_cast<Eigen::Index>(table.size()));
    for (Eigen::Index i = 0; i < lab.size(); ++i) {
        const auto& s = table[static_cast<std::size_t>(i)];
        lab(i) = static_cast<float>(3 + 1.5 * s[0] - 0.7 * s[2] + 0.2 * s[4] + error(random));
    }
    return lab;
}

void expectRelative(double actual, double expected, double tolerance, const char* what) {
    EXPECT_NEAR(actual, expected, tolerance * std::max(1.0, std::abs(expected))) << what;
}

// Every statistic against its long-way value, for one data set and subset.
void checkAgainstReference(const Signals& table, const VectorXd& lab,
                           const std::vector<int>& subset, double tolerance) {
    const auto n = static_cast<int>(lab.size());
    const auto data = dataOf(table, lab);
    const RunDiagnostics diagnostics(*data, runOver(1, n));
    const CalcResults results = rowOf(subset);
    const orvo::CandidateDiagnostics d = diagnostics.candidate(results, 0);
    const Reference ref(table, lab, subset);
    std::vector<int> all{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const Reference full(table, lab, all);

    const double sse = ref.sse(), sst = ref.sst(), press = ref.press();
    const double p = static_cast<double>(ref.p());
    ASSERT_EQ(d.sampleCount, n);
    ASSERT_EQ(d.parameterCount, ref.p());
    expectRelative(d.rSquared, 1 - sse / sst, tolerance, "R2");
    expectRelative(*d.adjustedRSquared, 1 - (sse / (n - p)) / (sst / (n - 1)), tolerance, "adj");
    expectRelative(d.stdError, std::sqrt(sse / (n - p)), tolerance, "stdError");
    expectRelative(*d.press, press, tolerance, "PRESS");
    expectRelative(*d.rmsecv, std::sqrt(press / n), tolerance, "RMSECV");
    expectRelative(*d.predictedRSquared, 1 - press / sst, tolerance, "predicted R2");
    expectRelative(*d.mallowsCp, sse / (full.sse() / (n - 11.0)) - n + 2 * p, tolerance, "Cp");
    double maxVif = 1;
    for (Eigen::Index j = 1; j < ref.p(); ++j)
        maxVif = std::max(maxVif, ref.vif(j));
    expectRelative(d.maxVif, maxVif, tolerance, "VIF");

    const auto points = diagnostics.influence(results, 0);
    ASSERT_EQ(points.size(), static_cast<std::size_t>(n));
    double leverageSum = 0;
    for (Eigen::Index i = 0; i < n; ++i) {
        const orvo::PointInfluence& point = points[static_cast<std::size_t>(i)];
        leverageSum += point.leverage;
        EXPECT_EQ(point.index, i);
        expectRelative(point.residual, ref.residuals()(i), tolerance, "residual");
        expectRelative(point.leverage, ref.leverages()(i), tolerance, "leverage");
        expectRelative(*point.studentizedResidual, ref.studentized(i), tolerance, "t");
        expectRelative(*point.cooksDistance, ref.cooks(i), tolerance, "Cook");
        using namespace orvo::diagnostics;
        EXPECT_EQ(point.outlier, std::abs(ref.studentized(i)) > kOutlierStudentizedResidual);
        EXPECT_EQ(point.highLeverage, ref.leverages()(i) > kHighLeverageFactor * p / n);
        EXPECT_EQ(point.influential, ref.cooks(i) > kInfluentialCookFactor / n);
    }
    EXPECT_NEAR(leverageSum, p, 1e-9 * p);
}

TEST(Diagnostics, MatchTheLongWayOnRandomData) {
    std::mt19937 random(18);
    for (const std::vector<int>& subset : {std::vector<int>{1}, {1, 3}, {5, 1, 3, 8}}) {
        const Signals table = randomSignals(40, random);
        VectorXd lab = labOf(table, random, 0.5);
        lab(7) = static_cast<float>(lab(7) + 6); // planted outlier
        checkAgainstReference(table, lab, subset, 1e-8);
    }
    // With every signal of the lab values fitted, the planted point stands out.
    const Signals table = randomSignals(40, random);
    VectorXd lab = labOf(table, random, 0.5);
    lab(7) = static_cast<float>(lab(7) + 6);
    const RunDiagnostics diagnostics(*dataOf(table, lab), runOver(1, 40));
    const auto points = diagnostics.influence(rowOf({1, 3, 5}), 0);
    for (std::size_t i = 0; i < points.size(); ++i)
        EXPECT_EQ(points[i].outlier, i == 7) << i;
}

// Powers x..x^5 of x = 0..20, a polynomial of the kind the NIST sets use to
// test least squares near the limit of double precision.
TEST(Diagnostics, MatchTheLongWayOnIllConditionedPowers) {
    std::mt19937 random(5);
    Signals table = randomSignals(21, random);
    VectorXd lab(21);
    for (int x = 0; x <= 20; ++x) {
        auto& s = table[static_cast<std::size_t>(x)];
        for (int k = 0; k < 5; ++k)
            s[static_cast<std::size_t>(k)] = std::pow(x, k + 1);
        lab(x) = 1 + x + x * x + s[2] + s[3] + s[4] + (x % 3 - 1) * 1000.0;
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
    Signals exactSignals = randomSignals(12, random);
    VectorXd exact(12);
    for (int i = 0; i < 12; ++i)
        exact(i) = 2 * exactSignals[static_cast<std::size_t>(i)][0] + 1;
    Signals dummy = randomSignals(12, random);
    for (std::size_t i = 0; i < 12; ++i)
        dummy[i][1] = i == 5 ? 1 : 0; // only point 5 moves signal 2
    Signals collinear = randomSignals(12, random);
    for (auto& s : collinear) {
        s[3] = 7.5;                             // constant
        s[2] = static_cast<float>(s[0] + s[1]); // dependent
    }
    const VectorXd noisy = labOf(dummy, random, 1);
    struct Case {
        const char* name;
        Signals table;
        VectorXd lab;
        std::vector<int> subset;
        int parameters;
        bool crossValidated, studentized, exact;
    };
    const Case cases[] = {
        {"n = p", four, labOf(four, random, 1), {1, 2, 3}, 4, false, false, true},
        {"exact with n > p", exactSignals, exact, {1, 2}, 3, true, true, true},
        {"leverage 1", dummy, noisy, {1, 2}, 3, false, true, false},
        {"constant and dependent table",
         collinear,
         labOf(collinear, random, 1),
         {1, 2, 3, 4},
         3,
         true,
         true,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto data = dataOf(c.table, c.lab);
        const RunDiagnostics diagnostics(*data, runOver(1, static_cast<int>(c.lab.size())));
        const auto d = diagnostics.candidate(rowOf(c.subset), 0);
        EXPECT_EQ(d.parameterCount, c.parameters);
        EXPECT_EQ(d.press.has_value(), c.crossValidated);
        EXPECT_EQ(d.predictedRSquared.has_value(), c.crossValidated);
        EXPECT_EQ(d.adjustedRSquared.has_value(), d.sampleCount > d.parameterCount);
        if (c.exact) {
            EXPECT_EQ(d.stdError, 0);
            EXPECT_FALSE(d.mallowsCp) << "the full model fits exactly too";
        }
        if (c.subset.size() == 4)
            EXPECT_EQ(d.maxVif, RunDiagnostics::kVifCeiling);
        for (const auto& point : diagnostics.influence(rowOf(c.subset), 0)) {
            const bool leverageOne = point.leverage == 1.0 || c.parameters == d.sampleCount;
            EXPECT_EQ(point.cooksDistance.has_value(), !leverageOne);
            EXPECT_EQ(point.studentizedResidual.has_value(), c.studentized && !leverageOne);
            if (c.exact && point.cooksDistance)
                EXPECT_EQ(*point.cooksDistance, 0);
            if (c.exact)
                EXPECT_FALSE(point.outlier || point.influential);
        }
    }
    const VectorXd level = VectorXd::Constant(12, 4.25);
    const auto flat =
        RunDiagnostics(*dataOf(exactSignals, level), runOver(1, 12)).candidate(rowOf({1}), 0);
    EXPECT_EQ(flat.rSquared, 0);
    EXPECT_FALSE(flat.predictedRSquared) << "no variation to predict";
    const auto empty =
        RunDiagnostics(*dataOf(exactSignals, exact), runOver(1, 12, 2)).candidate(rowOf({1}), 0);
    EXPECT_EQ(empty.sampleCount, 0);
    EXPECT_FALSE(empty.press);
}

} // namespace
