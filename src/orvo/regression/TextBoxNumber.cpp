#include <orvo/model/LeadingNumber.h>
#include <orvo/model/Rounding.h>
#include <orvo/regression/TextBoxNumber.h>

#include <algorithm>
#include <limits>

namespace orvo {

namespace {

template <typename Int> Int saturatedNumber(const QString& text) {
    const double rounded = roundHalfEven(leadingNumber(text));
    const double low = std::numeric_limits<Int>::min();
    const double high = std::numeric_limits<Int>::max();
    return static_cast<Int>(std::clamp(rounded, low, high));
}

} // namespace

int32_t textBoxNumber32(const QString& text) {
    return saturatedNumber<int32_t>(text);
}

int16_t textBoxNumber16(const QString& text) {
    return saturatedNumber<int16_t>(text);
}

} // namespace orvo
