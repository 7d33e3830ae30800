#include <orvo/engine/FactorCache.h>
#include <orvo/engine/UsableSamples.h>

#include <cstring>

namespace orvo::engine {

const TriangularFactor* FactorCache::factorFor(const RunRequest& request, const float* matrix) {
    thread_local FactorCache cache;
    const float* rows = matrix + request.firstRow * UsableSamples::kMatrixColumns;
    const auto count =
        static_cast<size_t>(request.lastRow - request.firstRow + 1) * UsableSamples::kMatrixColumns;
    if (!cache.holds(request, rows, count))
        cache.refill(request, rows, count);
    return cache.m_factor ? &*cache.m_factor : nullptr;
}

bool FactorCache::holds(const RunRequest& request, const float* rows, size_t count) const {
    return m_labColumn == request.labColumn && m_firstGrade == request.firstGrade &&
           m_secondGrade == request.secondGrade && m_rows.size() == count &&
           std::memcmp(m_rows.data(), rows, count * sizeof(float)) == 0;
}

void FactorCache::refill(const RunRequest& request, const float* rows, size_t count) {
    m_labColumn = request.labColumn;
    m_firstGrade = request.firstGrade;
    m_secondGrade = request.secondGrade;
    m_rows.assign(rows, rows + count);
    const SampleMatrix samples = UsableSamples::select(request, m_rows.data());
    m_factor.reset();
    if (samples.rows() > 0)
        m_factor.emplace(samples);
}

} // namespace orvo::engine
