#pragma once

#include <orvo/model/CalibrationFormula.h>

#include <QHash>
#include <QString>

#include <optional>

namespace orvo::workbench {

// The formulas written to the simulated device, one per measurement code
// and grade, kept in a JSON file so that they outlive the program.
class FormulaStore {
public:
    explicit FormulaStore(QString path) : m_path(std::move(path)) {}

    // Reads the file; a missing file is an empty store. A file that cannot
    // be read is moved aside (never overwritten) and a CalibrationError says
    // where it went.
    void load();
    std::optional<CalibrationFormula> formula(int16_t measurement, int16_t grade) const;
    // Keeps the formula for its code and grade and writes the whole file;
    // throws CalibrationError when the file cannot be written.
    void store(const CalibrationFormula& formula);

    QString path() const { return m_path; }

private:
    void setAside(const QString& reason);

    QString m_path;
    QHash<QString, CalibrationFormula> m_formulas;
};

} // namespace orvo::workbench
