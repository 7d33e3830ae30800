#pragma once

#include <cstdint>
#include <vector>

namespace orvo::bench {

// Data matrices of 200 usable points of grade 1, with the control blocks that run on them.
class BenchmarkData {
public:
    static constexpr int kPoints = 200;

    enum class Kind {
        Centred, // ten independent signals around 0
        Offsets, // signals around 1e3..1e4, two near-collinear pairs
    };

    explicit BenchmarkData(Kind kind);

    // The matrix, or a copy differing in one lab value by one unit in the last place: alternating
    // the two makes every call see new points.
    std::vector<float>& matrix(bool other = false) { return other ? m_other : m_matrix; }
    static std::vector<int32_t> controlBlock(int variables, int mode);

private:
    std::vector<float> m_matrix;
    std::vector<float> m_other;
};

} // namespace orvo::bench
