#pragma once

#include "EngineHarness.h"

#include <random>
#include <vector>

namespace orvo::test {

// Points of one grade, all usable, as a test builds them.
struct SampleData {
    std::vector<Signals> signals;
    std::vector<float> lab;

    void addTo(EngineHarness& harness) const;
};

// Signals drawn uniformly from -5..5: well conditioned, no dependencies.
Signals randomSignals(std::mt19937& random);

// x = 0..20 with SIG1..SIG5 = x, x^2, .., x^5 and random SIG6..SIG10; the lab value is
// 1 + x + .. + x^5 plus uniform noise of the given amplitude.
SampleData polynomialData(double noise, std::mt19937& random);

// 200 points of random signals; the lab value is offset + a combination of signals 1..3
// (and a little of signal 4) plus noise.
SampleData linearData(double offset, double noise, std::mt19937& random);

} // namespace orvo::test
