// Handing the data editor a full set of 200 samples, until the grid shows
// them painted (a window that shows about 35 rows).
#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/views/UCDataEditor.h>

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

std::shared_ptr<orvo::MeasurementData> fullSet() {
    auto data = std::make_shared<orvo::MeasurementData>();
    for (int i = 0; i < orvo::MeasurementData::Capacity; ++i) {
        auto point = std::make_shared<orvo::MeasurementPoint>();
        point->MeasurementDate = 45355.25 + i / 8.0;
        int k = 0;
        for (double* field :
             {&point->SIG1, &point->SIG2, &point->SIG3, &point->SIG4, &point->SIG5, &point->SIG6,
              &point->SIG7, &point->SIG8, &point->SIG9, &point->SIG10, &point->Floc, &point->temp,
              &point->LabCons, &point->LabAsh, &point->ConsMeas, &point->AshMeas})
            *field = std::round(std::sin(i + k++) * 1e6) / 1e4;
        point->Grade = 1 + i % 2;
        point->line = 1;
        point->enabled = i % 17 != 0;
        point->modified = i % 5 == 0;
        data->AddMeasurementPoint(point);
    }
    return data;
}

void setDataUntilPainted(benchmark::State& state) {
    orvo::UCDataEditor editor;
    editor.resize(1400, 800);
    editor.show();
    QApplication::processEvents();
    auto* grid = editor.findChild<QTableView*>(QStringLiteral("scgData"));
    const auto data = fullSet();
    for (auto _ : state) {
        editor.SetData(data);
        grid->viewport()->repaint();
    }
}
BENCHMARK(setDataUntilPainted)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
