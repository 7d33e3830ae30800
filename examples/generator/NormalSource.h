#pragma once

#include <cstdint>
#include <random>

namespace orvo::demo {

// Uniform and normal numbers that are the same on every platform: the
// Mersenne Twister's output is fixed by the standard, the library
// distributions are not.
class NormalSource {
public:
    explicit NormalSource(uint32_t seed) : m_engine(seed) {}

    // In (0, 1).
    double uniform();
    double normal(double mean, double deviation);
    // True with the given probability.
    bool chance(double probability) { return uniform() < probability; }

private:
    std::mt19937 m_engine;
};

} // namespace orvo::demo
