#include "EngineHarness.h"

#include "engine/regre.h"

#include <algorithm>
#include <cmath>

namespace orvo::test {

std::vector<int> ResultRow::signals() const {
    std::vector<int> result;
    for (int slot = 0; slot < 5; ++slot) {
        if (values[15 + slot] != 0)
            result.push_back(static_cast<int>(values[15 + slot]));
    }
    return result;
}

bool ResultRow::isZero() const {
    return std::all_of(values, values + 20, [](float value) { return value == 0; });
}

int EngineHarness::addPoint(const Signals& signals, float lab, float grade) {
    std::array<float, 36> values{};
    std::copy(signals.begin(), signals.end(), values.begin() + 5);
    values[kLab] = lab;
    values[kGrade] = grade;
    values[35] = static_cast<float>(m_points + 1);
    m_matrix.insert(m_matrix.end(), values.begin(), values.end());
    return ++m_points;
}

void EngineHarness::fullRun(int variables) {
    m_params = {};
    m_params[0] = 1;
    m_params[2] = variables;
    m_params[3] = 1;
    m_params[8] = 1;
    m_params[13] = 1;
    m_params[14] = m_points;
}

void EngineHarness::step(int mode, int fromRow, int variables) {
    m_params[2] = variables;
    m_params[16] = mode;
    m_params[17] = fromRow;
}

int32_t EngineHarness::run() {
    return regre(m_params.data(), m_matrix.data(), m_results.data());
}

std::vector<std::vector<int>> EngineHarness::listedSignals() const {
    std::vector<std::vector<int>> listed;
    for (int row = 0; row < 17; ++row) {
        if (!result(row).signals().empty())
            listed.push_back(result(row).signals());
    }
    return listed;
}

bool EngineHarness::allFinite() const {
    return std::all_of(m_results.begin(), m_results.end(),
                       [](float value) { return std::isfinite(value); });
}

} // namespace orvo::test
