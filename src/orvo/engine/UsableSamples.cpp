#include <orvo/engine/UsableSamples.h>

#include <cmath>
#include <vector>

namespace orvo::engine {

bool UsableSamples::isUsable(const RunRequest& request, const float* row) {
    const float grade = row[kGradeColumn];
    const bool gradeTaken =
        grade == request.firstGrade || (request.secondGrade != 0 && grade == request.secondGrade);
    const float lab = row[request.labColumn];
    if (!gradeTaken || lab == 0 || !std::isfinite(lab))
        return false;
    for (int signal = 0; signal < RunRequest::kSignalCount; ++signal) {
        if (!std::isfinite(row[kFirstSignalColumn + signal]))
            return false;
    }
    return true;
}

SampleMatrix UsableSamples::select(const RunRequest& request, const float* rows) {
    const int64_t count = request.lastRow - request.firstRow + 1;
    std::vector<const float*> usableRows;
    usableRows.reserve(static_cast<size_t>(count));
    for (int64_t row = 0; row < count; ++row) {
        const float* values = rows + row * kMatrixColumns;
        if (isUsable(request, values))
            usableRows.push_back(values);
    }

    SampleMatrix samples(static_cast<Eigen::Index>(usableRows.size()),
                         SampleMatrix::ColsAtCompileTime);
    for (Eigen::Index i = 0; i < samples.rows(); ++i) {
        const float* values = usableRows[static_cast<size_t>(i)];
        for (int signal = 0; signal < RunRequest::kSignalCount; ++signal)
            samples(i, signal) = values[kFirstSignalColumn + signal];
        samples(i, RunRequest::kSignalCount) = values[request.labColumn];
    }
    return samples;
}

} // namespace orvo::engine
