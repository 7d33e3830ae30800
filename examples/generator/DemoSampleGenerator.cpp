#include "DemoSampleGenerator.h"

#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/OleDate.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace orvo::demo {

namespace {

// How a raw signal answers to the true Cons (%) and Ash (%) of a sample.
struct SignalResponse {
    double offset;
    double perCons;
    double perAsh;
    double noise;
};

// SIG1..SIG10 (DLed .. S10): some mostly Cons, some mostly Ash, one noise only.
constexpr std::array<SignalResponse, 10> responses = {{
    {1.20, 2.40, 0.015, 0.15},
    {0.80, 0.30, 0.060, 0.12},
    {2.50, 1.10, -0.020, 0.12},
    {0.40, 0.20, 0.085, 0.10},
    {3.10, 0.90, 0.030, 0.18},
    {0.95, 1.80, 0.005, 0.16},
    {5.00, 0.50, 0.010, 0.25},
    {0.10, 0.00, 0.020, 0.04},
    {10.0, 0.00, 0.000, 0.50},
    {2.00, 0.80, 0.040, 0.20},
}};

double rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

} // namespace

std::vector<std::shared_ptr<MeasurementPoint>> DemoSampleGenerator::generate(int count) {
    std::vector<std::shared_ptr<MeasurementPoint>> samples;
    double date = OleDate::fromParts(2024, 3, 4, 6, 0, 0);
    int grade = 1;
    for (int i = 0; i < count; ++i) {
        if (m_random.chance(0.08))
            grade = 3 - grade;
        samples.push_back(sample(date, grade));
        // Two to four hours on, to the whole minute.
        const int minutes = 120 + static_cast<int>(m_random.uniform() * 120);
        const DateParts parts = OleDate::split(date);
        date = OleDate::fromParts(parts.year, parts.month, parts.day, parts.hour,
                                  parts.minute + minutes, 0);
    }
    // Lab trouble: a few clear outliers among the samples with lab values,
    // and a few samples taken out of use.
    const auto withLabValues = [&samples](std::size_t index) {
        while (samples[index]->LabCons == 0)
            ++index;
        return samples[index];
    };
    for (std::size_t index : {37, 101, 163})
        withLabValues(index)->LabCons += 0.45;
    withLabValues(142)->LabAsh -= 6.5;
    for (int index : {12, 58, 89, 130, 177})
        samples[static_cast<std::size_t>(index)]->enabled = false;
    return samples;
}

std::shared_ptr<MeasurementPoint> DemoSampleGenerator::sample(double date, int grade) {
    const double cons = std::clamp(m_random.normal(grade == 1 ? 0.9 : 1.1, 0.2), 0.5, 1.5);
    const double ash = std::clamp(m_random.normal(grade == 1 ? 12.0 : 18.0, 3.5), 5.0, 25.0);

    auto p = std::make_shared<MeasurementPoint>();
    p->MeasurementDate = date;
    std::array<double*, 10> rawSignals = {&p->SIG1, &p->SIG2, &p->SIG3, &p->SIG4, &p->SIG5,
                                          &p->SIG6, &p->SIG7, &p->SIG8, &p->SIG9, &p->SIG10};
    for (std::size_t k = 0; k < rawSignals.size(); ++k) {
        const SignalResponse& r = responses[k];
        *rawSignals[k] =
            rounded(r.offset + r.perCons * cons + r.perAsh * ash + m_random.normal(0, r.noise), 4);
    }
    p->SIG11 = rounded(m_random.normal(1.0, 0.05), 4);
    p->SIG12 = rounded(m_random.normal(250, 12), 2);
    p->SIG13 = rounded(m_random.normal(0.5, 0.03), 4);
    p->SIG14 = rounded(m_random.normal(32, 1.5), 2);
    p->SIG15 = rounded(m_random.normal(4.2, 0.2), 3);
    p->pH = rounded(m_random.normal(7.3, 0.25), 2);
    p->Conductivity = rounded(m_random.normal(1200, 180), 0);
    p->Charge = rounded(m_random.normal(-120, 25), 1);
    p->Floc = rounded(m_random.normal(45, 6), 1);
    p->temp = rounded(m_random.normal(42, 2.5), 1);
    p->Errorper = rounded(std::abs(m_random.normal(0.4, 0.3)), 2);
    p->ConsMeas = rounded(cons + m_random.normal(0.03, 0.05), 3);
    p->AshMeas = rounded(ash + m_random.normal(-0.4, 0.6), 2);
    // Most samples reach the lab; a lab value of 0 means none was taken.
    if (!m_random.chance(0.12)) {
        p->LabCons = rounded(cons + m_random.normal(0, 0.02), 3);
        p->LabAsh = rounded(ash + m_random.normal(0, 0.3), 2);
    }
    if (m_random.chance(0.3))
        p->LabRes1 = rounded(m_random.normal(72, 4), 1);
    p->Grade = grade;
    p->line = 1;
    p->enabled = true;
    return p;
}

} // namespace orvo::demo
