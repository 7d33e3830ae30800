#include "SimulatedDevice.h"

#include <orvo/model/MeasurementPoint.h>

#include <QDateTime>

#include <cmath>
#include <random>

namespace orvo::workbench {

std::vector<PointPtr> SimulatedDevice::samplesAfter(double lastDate, double now) const {
    const auto newestSlot = static_cast<qint64>(std::floor(now / RecordingInterval));
    const auto firstAfterLast = static_cast<qint64>(std::floor(lastDate / RecordingInterval)) + 1;
    const qint64 firstSlot = std::max(firstAfterLast, newestSlot - MaximumDelivery + 1);
    std::vector<PointPtr> samples;
    for (qint64 slot = firstSlot; slot <= newestSlot; ++slot)
        samples.push_back(recordedSample(slot));
    return samples;
}

// Signals that follow the sample's consistency and ash with some noise, as a
// running machine gives them; the lab values are left for the laboratory.
PointPtr SimulatedDevice::recordedSample(qint64 slot) {
    std::mt19937 random(static_cast<std::mt19937::result_type>(slot));
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    const auto noisy = [&](double value, double spread) {
        return std::round((value + spread * unit(random)) * 10000.0) / 10000.0;
    };
    const int grade = (slot / 8) % 2 == 0 ? 1 : 2;
    const double cons = 1.0 + 0.3 * unit(random);
    const double ash = (grade == 1 ? 12.0 : 16.0) + 2.0 * unit(random);

    auto point = std::make_shared<MeasurementPoint>();
    point->MeasurementDate = static_cast<double>(slot) * RecordingInterval;
    point->SIG1 = noisy(1.0 + 2.6 * cons, 0.05);
    point->SIG2 = noisy(0.6 + 0.08 * ash, 0.05);
    point->SIG3 = noisy(2.4 + 0.8 * cons, 0.1);
    point->SIG4 = noisy(0.9 + 0.05 * ash + 0.5 * cons, 0.05);
    point->SIG5 = noisy(3.3 + 0.9 * cons, 0.1);
    point->SIG6 = noisy(1.2 + 1.6 * cons, 0.08);
    point->SIG7 = noisy(5.5, 0.4);
    point->SIG8 = noisy(0.4, 0.05);
    point->SIG9 = noisy(10.0, 0.4);
    point->SIG10 = noisy(3.0, 0.3);
    point->SIG11 = noisy(0.96, 0.02);
    point->SIG12 = noisy(235.0, 8.0);
    point->SIG13 = noisy(0.5, 0.03);
    point->SIG14 = noisy(32.0, 2.0);
    point->SIG15 = noisy(4.2, 0.3);
    point->pH = noisy(7.4, 0.15);
    point->Conductivity = std::round(1250.0 + 200.0 * unit(random));
    point->Charge = noisy(-115.0, 15.0);
    point->Floc = noisy(47.0, 5.0);
    point->temp = noisy(42.0, 1.0);
    point->Errorper = noisy(0.5, 0.2);
    point->ConsMeas = noisy(cons, 0.05);
    point->AshMeas = noisy(ash, 0.5);
    point->Grade = grade;
    point->line = 1;
    point->enabled = true;
    return point;
}

std::optional<CalibrationFormula> SimulatedDevice::readFormula(int16_t measurement,
                                                               int16_t grade) const {
    return m_formulas.formula(measurement, grade);
}

void SimulatedDevice::writeFormula(const CalibrationFormula& formula) {
    m_formulas.store(formula);
}

double SimulatedDevice::currentDate() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate epoch(1899, 12, 30);
    return static_cast<double>(epoch.daysTo(now.date())) +
           static_cast<double>(now.time().msecsSinceStartOfDay()) / 86'400'000.0;
}

} // namespace orvo::workbench
