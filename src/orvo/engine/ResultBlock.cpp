#include <orvo/engine/ResultBlock.h>

#include <algorithm>

namespace orvo::engine {

SignalSubset ResultBlock::signalsOfRow(int row) const {
    const float* slots = m_values + row * kRowLength + block::FirstSignal;
    SignalSubset subset;
    for (int slot = 0; slot < RunRequest::kMaxVariables; ++slot) {
        const float value = slots[slot];
        if (value == 0)
            continue;
        const bool wholeSignal = value >= 1 && value <= RunRequest::kSignalCount &&
                                 value == static_cast<float>(static_cast<int>(value));
        if (!wholeSignal || subset.contains(static_cast<int>(value)))
            return {};
        subset = subset.with(static_cast<int>(value));
    }
    return subset;
}

void ResultBlock::write(const std::vector<SubsetFit>& fits) {
    clear();
    for (size_t index = 0; index < fits.size() && index < RunRequest::kResultRows; ++index) {
        const SubsetFit& fit = fits[index];
        float* row = m_values + index * kRowLength;
        size_t slot = 0;
        for (int signal = 1; signal <= RunRequest::kSignalCount; ++signal) {
            if (!fit.signals.contains(signal))
                continue;
            row[block::FirstCoefficient + slot] = static_cast<float>(fit.coefficients[slot]);
            row[block::FirstTCoefficient + slot] = static_cast<float>(fit.tCoefficients[slot]);
            row[block::FirstSignal + slot] = static_cast<float>(signal);
            ++slot;
        }
        row[block::Constant] = static_cast<float>(fit.constant);
        row[block::Correlation] = static_cast<float>(fit.correlation);
        row[block::StdError] = static_cast<float>(fit.standardError);
        row[block::TTotal] = static_cast<float>(fit.tTotal);
        row[block::TConstant] = static_cast<float>(fit.tConstant);
    }
}

void ResultBlock::clear() {
    std::fill_n(m_values, kSize, 0.0f);
}

} // namespace orvo::engine
