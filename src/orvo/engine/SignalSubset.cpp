#include <orvo/engine/SignalSubset.h>

#include <algorithm>
#include <bit>

namespace orvo::engine {

int SignalSubset::size() const {
    return std::popcount(m_bits);
}

std::vector<int> SignalSubset::signals() const {
    std::vector<int> result;
    for (int signal = 1; signal < 16; ++signal) {
        if (contains(signal))
            result.push_back(signal);
    }
    return result;
}

bool SignalSubset::lexicographicallyBefore(const SignalSubset& other) const {
    const std::vector<int> mine = signals();
    const std::vector<int> theirs = other.signals();
    return std::lexicographical_compare(mine.begin(), mine.end(), theirs.begin(), theirs.end());
}

} // namespace orvo::engine
