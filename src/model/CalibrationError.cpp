#include "model/CalibrationError.h"

namespace orvo {

CalibrationError::CalibrationError(ErrorNumber number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number),
      m_description(description) {}

CalibrationError CalibrationError::outOfRange(const QString& detail) {
    return {ErrorNumber::OutOfRange, QStringLiteral("Subscript out of range: %1").arg(detail)};
}

CalibrationError CalibrationError::typeMismatch(const QString& detail) {
    return {ErrorNumber::TypeMismatch, QStringLiteral("Type mismatch: %1").arg(detail)};
}

CalibrationError CalibrationError::overflow(const QString& detail) {
    return {ErrorNumber::Overflow, QStringLiteral("Overflow: %1").arg(detail)};
}

} // namespace orvo
