// Reading and saving a full calibration data file (200 points, values with
// four decimals as in real files), and the parts of it: parsing the text in
// memory and writing the lines.
#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/OleDate.h>

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

orvo::MeasurementData fullSet() {
    orvo::MeasurementData data;
    const double start = orvo::OleDate::fromParts(2024, 3, 4, 6, 0, 0);
    for (int i = 0; i < orvo::MeasurementData::Capacity; ++i) {
        auto p = std::make_shared<orvo::MeasurementPoint>();
        p->MeasurementDate = start + i / 8.0;
        double value = 1.0 + (i * 7919 % 10007) / 1000.0;
        for (double* field : {&p->SIG1,     &p->SIG2,         &p->SIG3,    &p->SIG4,    &p->SIG5,
                              &p->SIG6,     &p->SIG7,         &p->SIG8,    &p->SIG9,    &p->SIG10,
                              &p->SIG11,    &p->SIG12,        &p->SIG13,   &p->SIG14,   &p->SIG15,
                              &p->pH,       &p->Conductivity, &p->Charge,  &p->Floc,    &p->temp,
                              &p->Errorper, &p->ConsMeas,     &p->AshMeas, &p->LabCons, &p->LabAsh})
            *field = std::round((value *= 1.0173) * 1e4) / 1e4;
        p->Grade = 1 + i % 2;
        p->line = 1;
        p->enabled = i % 17 != 0;
        data.AddMeasurementPoint(p);
    }
    return data;
}

QString dataText(const orvo::MeasurementData& data) {
    QString text = orvo::MeasurementPoint::headerLine() + QStringLiteral("\r\n");
    for (int16_t i = 0; i < data.pointCount(); ++i)
        text += data.getMeasurementPoints(i)->toLine() + QStringLiteral("\r\n");
    return text;
}

void ReadDataFile200(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.cal"));
    fullSet().SaveFile(path);
    orvo::MeasurementData data;
    for (auto _ : state) {
        data.ReadFile(path);
        benchmark::DoNotOptimize(data.pointCount());
    }
}

void SaveDataFile200(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.cal"));
    const orvo::MeasurementData data = fullSet();
    for (auto _ : state)
        data.SaveFile(path);
}

void ParseDataText200(benchmark::State& state) {
    const QString text = dataText(fullSet());
    orvo::MeasurementData data;
    for (auto _ : state) {
        data.readText(text);
        benchmark::DoNotOptimize(data.pointCount());
    }
}

void WriteDataLines200(benchmark::State& state) {
    const orvo::MeasurementData data = fullSet();
    for (auto _ : state)
        benchmark::DoNotOptimize(dataText(data));
}

} // namespace

BENCHMARK(ReadDataFile200)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly();
BENCHMARK(SaveDataFile200)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly();
BENCHMARK(ParseDataText200)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly();
BENCHMARK(WriteDataLines200)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();
