#include <orvo/model/CalibrationError.h>

namespace orvo {

CalibrationError::CalibrationError(ErrorNumber number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description) {}

CalibrationError CalibrationError::atFileLine(int fileLine) const {
    CalibrationError located = *this;
    located.m_fileLine = fileLine;
    return located;
}

CalibrationError CalibrationError::outOfRange(const QString& detail) {
    return {ErrorNumber::OutOfRange, QStringLiteral("Subscript out of range: %1").arg(detail)};
}

CalibrationError CalibrationError::typeMismatch(const QString& detail) {
    return {ErrorNumber::TypeMismatch, QStringLiteral("Type mismatch: %1").arg(detail)};
}

CalibrationError CalibrationError::overflow(const QString& detail) {
    return {ErrorNumber::Overflow, QStringLiteral("Overflow: %1").arg(detail)};
}

CalibrationError CalibrationError::missingObject(const QString& detail) {
    return {ErrorNumber::MissingObject, QStringLiteral("Object variable not set: %1").arg(detail)};
}

CalibrationError CalibrationError::fileNotFound(const QString& nativePath) {
    return {ErrorNumber::FileNotFound, QStringLiteral("File not found: %1").arg(nativePath)};
}

CalibrationError CalibrationError::fileAccess(const QString& detail) {
    return {ErrorNumber::FileAccess, QStringLiteral("Path/File access error: %1").arg(detail)};
}

} // namespace orvo
