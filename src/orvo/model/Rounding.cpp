#include <orvo/model/CalibrationError.h>
#include <orvo/model/NumberText.h>
#include <orvo/model/Rounding.h>

#include <QLocale>

#include <cmath>
#include <limits>

namespace orvo {

namespace {

template <typename Integer> Integer roundToInteger(double value, const char* typeName) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<Integer>::min() &&
          rounded <= std::numeric_limits<Integer>::max()))
        throw CalibrationError::overflow(
            QStringLiteral("%1 does not fit a %2")
                .arg(generalText(value, QLocale::c()), QLatin1String(typeName)));
    return static_cast<Integer>(rounded);
}

} // namespace

double roundHalfEven(double value) {
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return floor + 1;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

int16_t roundToInt16(double value) {
    return roundToInteger<int16_t>(value, "16-bit integer");
}

int32_t roundToInt32(double value) {
    return roundToInteger<int32_t>(value, "32-bit integer");
}

float toFloatChecked(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    // Half a unit in the last place above the largest float still rounds to it.
    const double roundsToLargest = largest + std::ldexp(1.0, 103);
    if (!std::isfinite(value) || std::abs(value) <= largest)
        return static_cast<float>(value);
    if (std::abs(value) < roundsToLargest)
        return value < 0 ? -std::numeric_limits<float>::max() : std::numeric_limits<float>::max();
    throw CalibrationError::overflow(
        QStringLiteral("%1 does not fit a 32-bit float").arg(generalText(value, QLocale::c())));
}

} // namespace orvo
