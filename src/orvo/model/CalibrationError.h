#pragma once

#include <orvo/core_export.h>

#include <QString>

#include <stdexcept>

namespace orvo {

// Error numbers shared by every layer, so that a report can show number and
// description the same way wherever a failure starts.
enum class ErrorNumber : int {
    InvalidArgument = 5,
    Overflow = 6,
    OutOfRange = 9,
    TypeMismatch = 13,
    FileNotFound = 53,
    FileAccess = 75,
    MissingObject = 91,
};

class ORVO_CORE_EXPORT CalibrationError : public std::runtime_error {
public:
    CalibrationError(ErrorNumber number, const QString& description);

    ErrorNumber number() const { return m_number; }
    QString description() const { return m_description; }
    // 1-based line of the file being read where the error arose; 0 when
    // the error is not tied to a line.
    int fileLine() const { return m_fileLine; }
    CalibrationError atFileLine(int fileLine) const;

    static CalibrationError outOfRange(const QString& detail);
    static CalibrationError typeMismatch(const QString& detail);
    static CalibrationError overflow(const QString& detail);
    static CalibrationError missingObject(const QString& detail);
    static CalibrationError fileNotFound(const QString& nativePath);
    static CalibrationError fileAccess(const QString& detail);

private:
    ErrorNumber m_number;
    QString m_description;
    int m_fileLine = 0;
};

} // namespace orvo
