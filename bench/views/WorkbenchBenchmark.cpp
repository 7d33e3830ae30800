#include <orvo/host/IDTMCommunication.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/views/UCCalibration.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

// Answers translations with the key and ignores everything else.
class QuietHost : public orvo::IDTMCommunication {
public:
    std::optional<orvo::CalibrationFormula> getFormula(int16_t, int16_t) override { return {}; }
    QVariant writeFormula(const orvo::CalibrationFormula&) override { return {}; }
    std::vector<std::shared_ptr<orvo::MeasurementPoint>> getCalibrationData(double) override {
        return {};
    }
    QString getTranslation(const QString& key) override { return key; }
    void showErrorMessage(const QString&) override {}
    int16_t showDialog(int16_t, const QString&) override { return 1; }
};

std::shared_ptr<orvo::MeasurementData> benchmarkData() {
    auto data = std::make_shared<orvo::MeasurementData>();
    for (int i = 0; i < orvo::MeasurementData::Capacity; ++i) {
        auto point = std::make_shared<orvo::MeasurementPoint>();
        point->MeasurementDate = 40000 + i / 24.0;
        point->Grade = 1;
        double* signalFields[] = {&point->SIG1, &point->SIG2, &point->SIG3, &point->SIG4,
                                  &point->SIG5, &point->SIG6, &point->SIG7, &point->SIG8,
                                  &point->SIG9, &point->SIG10};
        for (int k = 0; k < 10; ++k)
            *signalFields[k] = std::sin(i * (k + 1) * 0.37) * 10 + k;
        point->LabCons = 0.8 + 0.01 * point->SIG1 - 0.02 * point->SIG3 + 0.001 * std::cos(i);
        point->enabled = true;
        data->AddMeasurementPoint(point);
    }
    return data;
}

// From the click on Calculate until the chart shows the first candidate.
void calculateClickToChart(benchmark::State& state) {
    QuietHost host;
    orvo::UCCalibration view;
    view.setCommunication(&host);
    view.resize(1100, 700);
    view.show();
    view.SetMeasurementData(benchmarkData());
    auto* variables = view.findChild<QComboBox*>("ComboVariables");
    variables->setCurrentIndex(static_cast<int>(state.range(0)) - 1);
    auto* calculate = view.findChild<QPushButton*>("CommandCalculate");
    for (auto _ : state) {
        QTest::mouseClick(calculate, Qt::LeftButton);
        QApplication::processEvents();
    }
}
BENCHMARK(calculateClickToChart)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

} // namespace
