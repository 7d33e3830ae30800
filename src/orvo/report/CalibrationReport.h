#pragma once

#include <orvo/regression/CalibrationRecord.h>
#include <orvo/report_export.h>

#include <QString>
#include <QTextDocument>

namespace orvo {

// The calibration report a laboratory files: the data, the formula, its
// statistics and diagnostics, and the chart, as one printable document.
class ORVO_REPORT_EXPORT CalibrationReport {
public:
    explicit CalibrationReport(const CalibrationRecord& record);

    const QTextDocument& document() const { return m_document; }
    // Writes the document as a PDF on A4 pages through a save file, so a
    // failed write leaves an existing file as it was; returns the number of
    // pages. Throws CalibrationError when the file cannot be written.
    int writePdf(const QString& path);

private:
    static QString html(const CalibrationRecord& record);

    QTextDocument m_document;
};

} // namespace orvo
