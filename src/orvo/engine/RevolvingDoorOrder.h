#pragma once

#include <orvo/engine/SignalSubset.h>

#include <vector>

namespace orvo::engine {

// All subsets of k signals among 1..10, ordered so that each differs from the one before
// by one signal taken out and one put in. Moving from one to the next then costs only a few
// column rotations of the triangular factor.
class RevolvingDoorOrder {
public:
    static const std::vector<SignalSubset>& subsetsOfSize(int k);
};

} // namespace orvo::engine
