#pragma once

#include <orvo/engine/RunRequest.h>
#include <orvo/engine/TriangularFactor.h>

#include <optional>
#include <vector>

namespace orvo::engine {

// Keeps the factor of the last points reduced on this thread. The workbench calls the engine
// on the same points again and again: with another number of variables, and for every step.
// Selecting and reducing the points is most of such a call's work, and reusing it changes no
// result: the factor is a function of the rows read, the lab quantity and the grades alone, and
// those must match bit for bit.
class FactorCache {
public:
    // The factor of the request's usable points, or null when there are none. The pointer stays
    // valid until the next call on the same thread.
    static const TriangularFactor* factorFor(const RunRequest& request, const float* matrix);

private:
    FactorCache() = default;

    bool holds(const RunRequest& request, const float* rows, size_t count) const;
    void refill(const RunRequest& request, const float* rows, size_t count);

    int m_labColumn = -1;
    float m_firstGrade = 0;
    float m_secondGrade = 0;
    std::vector<float> m_rows;
    std::optional<TriangularFactor> m_factor;
};

} // namespace orvo::engine
