#include <orvo/model/LabValueText.h>
#include <orvo/model/NumberText.h>

#include <cmath>

namespace orvo {

std::optional<double> labValueFromText(const QString& text, const QLocale& locale) {
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double readBack = locale.toDouble(generalText(value, locale), &ok);
    if (!ok || readBack != value)
        return std::nullopt;
    // The read-back value, so that a typed "-0" is stored as 0.
    return readBack;
}

} // namespace orvo
