#pragma once

#include <orvo/core_export.h>

#include <QString>

#include <cstdint>

namespace orvo {

// The number a user typed into a range box: its leading number ("." as the
// decimal point, blanks ignored, 0 when there is none), rounded halves to
// even. Values beyond the type's range saturate, so they fail the range check
// instead of wrapping into a legal-looking point number.
ORVO_CORE_EXPORT int32_t textBoxNumber32(const QString& text);
ORVO_CORE_EXPORT int16_t textBoxNumber16(const QString& text);

} // namespace orvo
