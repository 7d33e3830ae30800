#pragma once

#include <orvo/engine/RunRequest.h>
#include <orvo/engine/SignalSubset.h>
#include <orvo/engine/SubsetFit.h>

#include <vector>

namespace orvo::engine {

// Fits every subset a request tries over the usable points and keeps the best.
class RegressionEngine {
public:
    // origin is the stepped-from row's signals; a full run ignores it. The result holds at
    // most 17 fits, in rank order.
    static std::vector<SubsetFit> bestCandidates(const RunRequest& request, const float* matrix,
                                                 const SignalSubset& origin);
};

} // namespace orvo::engine
