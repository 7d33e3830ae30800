// orvo-demo-data DIR: writes demo.cal (200 samples) and one small file for
// each other date layout into DIR. Deterministic: the same program writes
// the same bytes.
#include "DemoSampleGenerator.h"
#include "LayoutFileWriter.h"

#include <orvo/model/CalibrationError.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/OleDate.h>

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr uint32_t demoSeed = 20240304;

struct LayoutFile {
    int layout;
    const char* name;
    bool withEnabledColumn;
};

constexpr LayoutFile layoutFiles[] = {
    {2, "layout2-day-month-year-dotted.cal", true},
    {3, "layout3-month-day-year-dotted.cal", true},
    {4, "layout4-month-day-year-slashed-no-seconds.cal", false},
    {5, "layout5-month-day-year-slashed-am-pm.cal", true},
    {6, "layout6-day-month-year-dashed.cal", true},
    {7, "layout7-month-day-year-dashed.cal", true},
};

// Eight samples from the 13th of the month on, so that day and month can
// be told apart without asking.
std::vector<std::shared_ptr<orvo::MeasurementPoint>>
unambiguousWindow(const std::vector<std::shared_ptr<orvo::MeasurementPoint>>& samples) {
    auto first = samples.begin();
    while (orvo::OleDate::split((*first)->MeasurementDate).day < 13)
        ++first;
    return {first, first + 8};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: orvo-demo-data DIR\n";
        return 2;
    }
    const QDir dir(arguments[1]);
    try {
        const auto samples = orvo::demo::DemoSampleGenerator(demoSeed).generate(200);
        orvo::MeasurementData demo;
        for (const auto& sample : samples)
            demo.AddMeasurementPoint(sample);
        demo.SaveFile(dir.filePath(QStringLiteral("demo.cal")));

        const auto window = unambiguousWindow(samples);
        for (const LayoutFile& file : layoutFiles)
            orvo::demo::LayoutFileWriter::write(dir.filePath(QLatin1String(file.name)), window,
                                                file.layout, file.withEnabledColumn);
    } catch (const orvo::CalibrationError& e) {
        QTextStream(stderr) << "orvo-demo-data: " << e.description() << "\n";
        return 1;
    }
    return 0;
}
