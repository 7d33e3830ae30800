#pragma once

#include <orvo/engine/RunRequest.h>
#include <orvo/engine/SignalSubset.h>

#include <array>

namespace orvo::engine {

// The least-squares fit of the lab value on one subset of signals plus a constant, with the
// statistics of one result row. Per-variable values are by slot: slot i belongs to the i-th
// smallest signal number of the subset.
struct SubsetFit {
    using PerSlot = std::array<double, RunRequest::kMaxVariables>;

    SignalSubset signals;
    PerSlot coefficients{};
    double constant = 0;
    double correlation = 0;
    double standardError = 0;
    double tTotal = 0;
    PerSlot tCoefficients{};
    double tConstant = 0;
};

} // namespace orvo::engine
