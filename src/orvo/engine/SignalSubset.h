#pragma once

#include <cstdint>
#include <vector>

namespace orvo::engine {

// A set of signal numbers 1..10, the variables of one candidate formula.
class SignalSubset {
public:
    SignalSubset() = default;

    bool contains(int signal) const { return (m_bits & bitOf(signal)) != 0; }
    int size() const;
    bool empty() const { return m_bits == 0; }
    SignalSubset with(int signal) const { return SignalSubset(m_bits | bitOf(signal)); }
    SignalSubset without(int signal) const { return SignalSubset(m_bits & ~bitOf(signal)); }

    // Signal numbers in ascending order: slot i of a result row holds signals()[i].
    std::vector<int> signals() const;

    // Compares the ascending signal lists lexicographically.
    bool lexicographicallyBefore(const SignalSubset& other) const;

private:
    explicit SignalSubset(uint16_t bits) : m_bits(bits) {}
    static uint16_t bitOf(int signal) { return static_cast<uint16_t>(1u << signal); }

    uint16_t m_bits = 0;
};

} // namespace orvo::engine
