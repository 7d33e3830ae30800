#include "SampleData.h"

#include <cmath>

namespace orvo::test {

void SampleData::addTo(EngineHarness& harness) const {
    for (size_t point = 0; point < lab.size(); ++point)
        harness.addPoint(signals[point], lab[point]);
}

Signals randomSignals(std::mt19937& random) {
    std::uniform_real_distribution<float> uniform(-5, 5);
    Signals signals{};
    for (float& value : signals)
        value = uniform(random);
    return signals;
}

SampleData polynomialData(double noise, std::mt19937& random) {
    std::uniform_real_distribution<double> unit(-1, 1);
    SampleData data;
    for (int x = 0; x <= 20; ++x) {
        Signals signals = randomSignals(random);
        double polynomial = 1;
        for (int power = 1; power <= 5; ++power) {
            signals[static_cast<size_t>(power - 1)] = static_cast<float>(std::pow(x, power));
            polynomial += std::pow(x, power);
        }
        data.signals.push_back(signals);
        data.lab.push_back(static_cast<float>(polynomial + noise * unit(random)));
    }
    return data;
}

SampleData linearData(double offset, double noise, std::mt19937& random) {
    std::uniform_real_distribution<double> unit(-1, 1);
    SampleData data;
    for (int point = 0; point < 200; ++point) {
        const Signals signals = randomSignals(random);
        const double lab = offset + 3 * signals[0] - 2 * signals[1] + 0.5 * signals[2] +
                           0.01 * signals[3] + noise * unit(random);
        data.signals.push_back(signals);
        data.lab.push_back(static_cast<float>(lab));
    }
    return data;
}

} // namespace orvo::test
