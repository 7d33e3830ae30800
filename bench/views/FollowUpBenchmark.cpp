#include <orvo/host/IDTMCommunication.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/views/UCFollowUp.h>

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

std::shared_ptr<orvo::MeasurementData> benchmarkData() {
    auto data = std::make_shared<orvo::MeasurementData>();
    for (int i = 0; i < orvo::MeasurementData::Capacity; ++i) {
        auto point = std::make_shared<orvo::MeasurementPoint>();
        point->MeasurementDate = 40000 + i / 24.0;
        point->Grade = 1 + i % 2;
        point->SIG1 = std::sin(i * 0.37) * 10;
        point->SIG3 = std::cos(i * 0.11) * 5;
        point->LabCons = 0.8 + 0.01 * point->SIG1 - 0.02 * point->SIG3 + 0.001 * std::cos(i);
        point->enabled = i % 7 != 0;
        data->AddMeasurementPoint(point);
    }
    return data;
}

// From the call until the chart is painted offscreen.
void updateChartUntilPainted(benchmark::State& state) {
    orvo::UCFollowUp view;
    view.resize(1000, 600);
    view.show();
    view.Enable_Chart();
    const auto data = benchmarkData();
    orvo::CalibrationFormula formula;
    formula.a1 = 0.01f;
    formula.a3 = -0.02f;
    formula.b = 0.8f;
    for (auto _ : state) {
        view.UpdateChart(data, formula, 20, 180);
        // The chart lays out its axes and items in posted events, as a shown
        // window does before it paints; a bare grab would paint a stale layout.
        QApplication::processEvents();
        benchmark::DoNotOptimize(view.grab());
    }
}
BENCHMARK(updateChartUntilPainted)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
