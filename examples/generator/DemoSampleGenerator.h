#pragma once

#include "NormalSource.h"

#include <memory>
#include <vector>

namespace orvo {
class MeasurementPoint;
}

namespace orvo::demo {

// Plausible calibration samples of a running machine: a few hours apart,
// grade changes now and then, raw signals that follow Cons and Ash with
// noise, lab values for most samples, a few outliers and disabled samples.
class DemoSampleGenerator {
public:
    explicit DemoSampleGenerator(uint32_t seed) : m_random(seed) {}

    std::vector<std::shared_ptr<MeasurementPoint>> generate(int count);

private:
    std::shared_ptr<MeasurementPoint> sample(double date, int grade);

    NormalSource m_random;
};

} // namespace orvo::demo
