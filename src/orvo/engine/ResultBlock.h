#pragma once

#include <orvo/engine/SignalSubset.h>
#include <orvo/engine/SubsetFit.h>

#include <vector>

namespace orvo::engine {

// The caller's result block: 17 rows of 20 floats, one candidate formula per row.
class ResultBlock {
public:
    static constexpr int kRowLength = block::ColumnCount;
    static constexpr int kSize = RunRequest::kResultRows * kRowLength;

    explicit ResultBlock(float* values) : m_values(values) {}

    // The signals listed in a row. A row that holds anything but distinct whole signal
    // numbers 1..10 and zeros counts as empty.
    SignalSubset signalsOfRow(int row) const;

    // Writes the fits into the leading rows and zeros everything else.
    void write(const std::vector<SubsetFit>& fits);
    void clear();

private:
    float* m_values;
};

} // namespace orvo::engine
