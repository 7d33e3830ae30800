#include "EngineHarness.h"

#include "engine/regre.h"

#include <algorithm>
#include <cmath>

namespace orvo::test {

Signals randomSignals(std::mt19937& random) {
    std::uniform_real_distribution<float> uniform(-5, 5);
    Signals signals{};
    std::generate(signals.begin(), signals.end(), [&] { return uniform(random); });
    return signals;
}

Points linearPoints(double offset, double noise, std::mt19937& random) {
    std::uniform_real_distribution<double> unit(-1, 1);
    Points points;
    for (int point = 0; point < 200; ++point) {
        const Signals s = randomSignals(random);
        points.signals.push_back(s);
        points.lab.push_back(static_cast<float>(offset + 3 * s[0] - 2 * s[1] + 0.5 * s[2] +
                                                0.01 * s[3] + noise * unit(random)));
    }
    return points;
}

std::vector<int> ResultRow::signals() const {
    std::vector<int> result;
    for (int slot = 15; slot < 20; ++slot) {
        if (values[slot] != 0)
            result.push_back(static_cast<int>(values[slot]));
    }
    return result;
}

bool ResultRow::isZero() const {
    return std::all_of(values, values + 20, [](float value) { return value == 0; });
}

EngineHarness::EngineHarness(const Points& points) {
    for (size_t point = 0; point < points.lab.size(); ++point)
        addPoint(points.signals[point], points.lab[point]);
}

float* EngineHarness::addPoint(const Signals& signals, float lab, float grade) {
    const size_t start = matrix.size();
    matrix.resize(start + 36, 0.0f);
    std::copy(signals.begin(), signals.end(), matrix.begin() + static_cast<long>(start) + 5);
    matrix[start + 28] = lab;
    matrix[start + 34] = grade;
    return &matrix[start];
}

void EngineHarness::fullRun(int variables) {
    params = {1, 0, variables, 1};
    params[8] = 1;
    params[13] = 1;
    params[14] = static_cast<int32_t>(matrix.size() / 36);
}

int32_t EngineHarness::step(int mode, int fromRow) {
    params[16] = mode;
    params[17] = fromRow;
    return run();
}

int32_t EngineHarness::run() {
    return regre(params.data(), matrix.data(), results.data());
}

std::vector<std::vector<int>> EngineHarness::listedSignals() const {
    std::vector<std::vector<int>> listed;
    for (int index = 0; index < 17 && !row(index).signals().empty(); ++index)
        listed.push_back(row(index).signals());
    return listed;
}

} // namespace orvo::test
