#include "BenchmarkData.h"

#include <cmath>
#include <random>

namespace orvo::bench {

BenchmarkData::BenchmarkData(Kind kind) : m_matrix(kPoints * 36, 0.0f) {
    std::mt19937 random(1);
    std::uniform_real_distribution<float> uniform(-5, 5);
    for (int point = 0; point < kPoints; ++point) {
        float* row = &m_matrix[static_cast<size_t>(point) * 36];
        float* signals = row + 5;
        for (int signal = 0; signal < 10; ++signal)
            signals[signal] = uniform(random);
        if (kind == Kind::Offsets) {
            signals[1] = signals[0] + 0.01f * uniform(random);
            signals[6] = 0.5f * signals[5] + 0.01f * uniform(random);
        }
        row[28] = 2 + 3 * signals[0] - signals[1] + 0.5f * signals[4] + signals[5] +
                  0.1f * uniform(random);
        if (kind == Kind::Offsets) {
            row[28] += 500;
            for (int signal = 0; signal < 10; ++signal)
                signals[signal] += 1000.0f * static_cast<float>(signal + 1);
        }
        row[34] = 1;
    }
    m_other = m_matrix;
    m_other[28] = std::nextafter(m_other[28], 1e30f);
}

std::vector<int32_t> BenchmarkData::controlBlock(int variables, int mode) {
    std::vector<int32_t> params(19, 0);
    params[0] = 1;
    params[2] = variables;
    params[3] = 1;
    params[8] = 1;
    params[13] = 1;
    params[14] = kPoints;
    params[16] = mode;
    return params;
}

} // namespace orvo::bench
