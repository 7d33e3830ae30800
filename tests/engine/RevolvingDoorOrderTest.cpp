#include "engine/RevolvingDoorOrder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvo::test {
namespace {

using engine::RevolvingDoorOrder;
using engine::SignalSubset;

int changedSignals(const SignalSubset& first, const SignalSubset& second) {
    int changed = 0;
    for (int signal = 1; signal <= 10; ++signal)
        changed += first.contains(signal) != second.contains(signal) ? 1 : 0;
    return changed;
}

class RevolvingDoor : public testing::TestWithParam<int> {};

// Every subset once, and each one signal out and one in from the one before.
TEST_P(RevolvingDoor, VisitsEverySubsetOnceChangingOneSignalAtATime) {
    const int size = GetParam();
    const auto& subsets = RevolvingDoorOrder::subsetsOfSize(size);
    const std::vector<size_t> expectedCounts{1, 10, 45, 120, 210, 252};
    ASSERT_EQ(subsets.size(), expectedCounts[static_cast<size_t>(size)]);
    std::vector<std::vector<int>> lists;
    for (size_t index = 0; index < subsets.size(); ++index) {
        EXPECT_EQ(subsets[index].size(), size);
        if (index > 0)
            EXPECT_EQ(changedSignals(subsets[index - 1], subsets[index]), 2);
        lists.push_back(subsets[index].signals());
    }
    std::sort(lists.begin(), lists.end());
    EXPECT_EQ(std::adjacent_find(lists.begin(), lists.end()), lists.end());
}

INSTANTIATE_TEST_SUITE_P(Engine, RevolvingDoor, testing::Range(1, 6));

} // namespace
} // namespace orvo::test
