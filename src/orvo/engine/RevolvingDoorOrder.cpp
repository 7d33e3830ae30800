#include <orvo/engine/RevolvingDoorOrder.h>
#include <orvo/engine/RunRequest.h>

#include <algorithm>
#include <array>

namespace orvo::engine {

namespace {

// The recursive revolving-door construction: the k-subsets of 1..n are the k-subsets of
// 1..n-1 followed by the (k-1)-subsets of 1..n-1 in reverse order, each with n added.
std::vector<SignalSubset> revolvingDoor(int n, int k) {
    if (k == 0)
        return {SignalSubset()};
    if (k == n) {
        SignalSubset all;
        for (int signal = 1; signal <= n; ++signal)
            all = all.with(signal);
        return {all};
    }
    std::vector<SignalSubset> result = revolvingDoor(n - 1, k);
    const std::vector<SignalSubset> withLast = revolvingDoor(n - 1, k - 1);
    std::transform(withLast.rbegin(), withLast.rend(), std::back_inserter(result),
                   [n](const SignalSubset& subset) { return subset.with(n); });
    return result;
}

} // namespace

const std::vector<SignalSubset>& RevolvingDoorOrder::subsetsOfSize(int k) {
    static const auto orders = [] {
        std::array<std::vector<SignalSubset>, RunRequest::kSignalCount + 1> all;
        for (int size = 0; size <= RunRequest::kSignalCount; ++size)
            all[static_cast<size_t>(size)] = revolvingDoor(RunRequest::kSignalCount, size);
        return all;
    }();
    return orders.at(static_cast<size_t>(k));
}

} // namespace orvo::engine
