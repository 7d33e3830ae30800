#include "NormalSource.h"

#include <cmath>
#include <numbers>

namespace orvo::demo {

double NormalSource::uniform() {
    return (static_cast<double>(m_engine()) + 0.5) / 4294967296.0;
}

double NormalSource::normal(double mean, double deviation) {
    // Box-Muller; one of the pair is enough here.
    const double radius = std::sqrt(-2.0 * std::log(uniform()));
    return mean + deviation * radius * std::cos(2.0 * std::numbers::pi * uniform());
}

} // namespace orvo::demo
