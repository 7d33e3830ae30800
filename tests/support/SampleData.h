#pragma once

#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>

#include <array>
#include <memory>
#include <vector>

namespace orvo::test {

// A point dated `day` days after 1 January 2005 with the given grade, lab
// Cons value and SIG1..SIG10; enabled.
inline PointPtr samplePoint(int day, double grade, double labCons,
                            const std::array<double, 10>& signalValues = {}) {
    auto point = std::make_shared<MeasurementPoint>();
    point->MeasurementDate = 38353.0 + day;
    point->Grade = grade;
    point->LabCons = labCons;
    double* fields[] = {&point->SIG1, &point->SIG2, &point->SIG3, &point->SIG4, &point->SIG5,
                        &point->SIG6, &point->SIG7, &point->SIG8, &point->SIG9, &point->SIG10};
    for (std::size_t k = 0; k < signalValues.size(); ++k)
        *fields[k] = signalValues[k];
    point->enabled = true;
    return point;
}

inline std::shared_ptr<MeasurementData> dataOf(const std::vector<PointPtr>& points) {
    auto data = std::make_shared<MeasurementData>();
    for (const PointPtr& point : points)
        data->AddMeasurementPoint(point);
    return data;
}

} // namespace orvo::test
