#include <orvo/engine/SignalSubset.h>

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

// The lists agree up to the smallest signal in only one of them. The list holding it goes on
// with it; the other goes on with a larger signal, or ends and is the smaller.
bool SignalSubset::lexicographicallyBefore(const SignalSubset& other) const {
    const unsigned differing = static_cast<unsigned>(m_bits ^ other.m_bits);
    if (differing == 0)
        return false;
    const unsigned smallest = differing & (~differing + 1);
    const unsigned larger = ~(smallest | (smallest - 1));
    if ((m_bits & smallest) != 0)
        return (other.m_bits & larger) != 0;
    return (m_bits & larger) == 0;
}

} // namespace orvo::engine
