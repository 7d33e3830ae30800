#pragma once

#include <orvo/engine/RunRequest.h>

#include <Eigen/Core>

namespace orvo::engine {

// One row per usable point: SIG1..SIG10 in columns 0..9, the lab value in column 10.
using SampleMatrix = Eigen::Matrix<double, Eigen::Dynamic, RunRequest::kSignalCount + 1>;

// Picks the points a fit runs on out of the caller's data matrix.
class UsableSamples {
public:
    static constexpr int kMatrixColumns = block::MatrixColumns;
    static constexpr int kFirstSignalColumn = block::FirstSignalColumn;
    static constexpr int kGradeColumn = block::GradeColumn;

    // rows holds the matrix rows firstRow..lastRow, and nothing else is read. A point is usable
    // when its grade is one of the requested grades, its lab value is not 0, and its lab value
    // and signals are finite.
    static SampleMatrix select(const RunRequest& request, const float* rows);

private:
    static bool isUsable(const RunRequest& request, const float* row);
};

} // namespace orvo::engine
