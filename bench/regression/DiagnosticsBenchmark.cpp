// Diagnostics of every candidate of a five-variable full run over a full
// data set (200 points, one grade): what the workbench and the command-line
// tool compute after each run. Target: median under 50 us.
#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/regression/RegressionCalculation.h>
#include <orvo/regression/RunDiagnostics.h>

#include <benchmark/benchmark.h>

#include <random>

namespace {

orvo::MeasurementData fullSet() {
    std::mt19937 random(200);
    std::uniform_real_distribution<float> value(0, 10);
    std::normal_distribution<float> error(0, 0.2f);
    orvo::MeasurementData data;
    for (int i = 0; i < orvo::MeasurementData::Capacity; ++i) {
        auto p = std::make_shared<orvo::MeasurementPoint>();
        p->MeasurementDate = 45000 + i / 8.0;
        for (double* field : {&p->SIG1, &p->SIG2, &p->SIG3, &p->SIG4, &p->SIG5, &p->SIG6, &p->SIG7,
                              &p->SIG8, &p->SIG9, &p->SIG10})
            *field = value(random);
        p->LabCons = static_cast<float>(2 + p->SIG1 - 0.5 * p->SIG3 + 0.3 * p->SIG6 +
                                        0.1 * p->SIG9 + error(random));
        p->Grade = 1;
        p->enabled = true;
        data.AddMeasurementPoint(p);
    }
    return data;
}

orvo::RegressionCalculation fiveVariableRun(const orvo::MeasurementData& data) {
    orvo::RegressionCalculation calculation;
    calculation.fullRun(data, {0, 4, true, false, QStringLiteral("1"), QStringLiteral("200")});
    return calculation;
}

void allCandidatesOfAFiveVariableRun(benchmark::State& state) {
    const orvo::MeasurementData data = fullSet();
    const orvo::RegressionCalculation calculation = fiveVariableRun(data);
    for (auto _ : state) {
        const orvo::RunDiagnostics diagnostics(data, calculation.calcParams());
        for (int row = 0; row < orvo::block::RowCount; ++row)
            benchmark::DoNotOptimize(diagnostics.candidate(calculation.calcResults(), row));
    }
}
BENCHMARK(allCandidatesOfAFiveVariableRun)->Unit(benchmark::kMicrosecond);

// The share of the above that reads and scales the run's points and fits
// the full model, before any candidate.
void theRunsPointsAlone(benchmark::State& state) {
    const orvo::MeasurementData data = fullSet();
    const orvo::RegressionCalculation calculation = fiveVariableRun(data);
    for (auto _ : state) {
        const orvo::RunDiagnostics diagnostics(data, calculation.calcParams());
        benchmark::DoNotOptimize(diagnostics.selection().usableCount());
    }
}
BENCHMARK(theRunsPointsAlone)->Unit(benchmark::kMicrosecond);

void influenceOfTheCurrentFormula(benchmark::State& state) {
    const orvo::MeasurementData data = fullSet();
    const orvo::RegressionCalculation calculation = fiveVariableRun(data);
    const orvo::RunDiagnostics diagnostics(data, calculation.calcParams());
    for (auto _ : state)
        benchmark::DoNotOptimize(diagnostics.influence(calculation.calcResults(), 0));
}
BENCHMARK(influenceOfTheCurrentFormula)->Unit(benchmark::kMicrosecond);

} // namespace
