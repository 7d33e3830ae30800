#pragma once

#include <orvo/engine/RunRequest.h>
#include <orvo/engine/SignalSubset.h>

#include <vector>

namespace orvo::engine {

// The signal subsets a request tries.
class CandidateSubsets {
public:
    // A full run tries every subset of the requested size. A step tries the origin's signals
    // plus one more, or less one; the origin's own size decides the new size, so a step from
    // five signals forward, from one back, or from an empty row tries nothing.
    static std::vector<SignalSubset> forRequest(const RunRequest& request,
                                                const SignalSubset& origin);
};

} // namespace orvo::engine
