#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/Rounding.h>
#include <orvo/regression/SampleSelection.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvo {

namespace {

// The value as the data matrix holds it; the checked conversion, which
// raises the overflow error, only where the plain one would overflow.
float stored(double value) {
    return std::abs(value) <= std::numeric_limits<float>::max() ? static_cast<float>(value)
                                                                : toFloatChecked(value);
}

} // namespace

SampleSelection::SampleSelection(const MeasurementData& data, const CalcParams& params) {
    const int first = std::max(params[block::FirstPoint], 1);
    const int last = std::min<int>(params[block::LastPoint], data.pointCount());
    const auto size = static_cast<std::size_t>(std::max(last - first + 1, 0));
    m_rangePoints.reserve(size);
    m_usable.reserve(size);
    m_signals.reserve(size);
    m_lab.reserve(size);
    for (int index = first - 1; index < last; ++index)
        m_rangePoints.push_back({index, classify(data, index, params)});
}

const std::array<double, block::SignalCount>& SampleSelection::signalValues(int k) const {
    return m_signals[static_cast<std::size_t>(k)];
}

SampleSelection::Status SampleSelection::classify(const MeasurementData& data, int index,
                                                  const CalcParams& params) {
    const MeasurementPoint& point = *data.getMeasurementPoints(static_cast<int16_t>(index));
    if (!point.enabled)
        return Status::Disabled;
    const float grade = stored(point.Grade);
    const auto secondGrade = static_cast<float>(params[block::SecondGrade]);
    if (grade != static_cast<float>(params[block::FirstGrade]) &&
        (secondGrade == 0 || grade != secondGrade))
        return Status::OtherGrade;
    const float lab = stored(point.labValue(params[block::Measurement]));
    if (lab == 0)
        return Status::NoLabValue;
    std::array<double, block::SignalCount> values{};
    for (int k = 0; k < block::SignalCount; ++k)
        values[static_cast<std::size_t>(k)] = stored(point.signal(k + 1));
    const auto finite = [](double value) {
        return std::isfinite(value);
    };
    if (!std::isfinite(lab) || !std::all_of(values.begin(), values.end(), finite))
        return Status::NotFinite;
    m_usable.push_back(index);
    m_signals.push_back(values);
    m_lab.push_back(lab);
    return Status::Usable;
}

} // namespace orvo
