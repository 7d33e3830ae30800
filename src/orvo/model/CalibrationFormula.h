#pragma once

#include <orvo/core_export.h>

#include <QString>

#include <cstdint>

namespace orvo {

// A device calibration for one quantity and grade: b + a1*SIG1 + ... + a10*SIG10.
class ORVO_CORE_EXPORT CalibrationFormula {
public:
    float a1 = 0, a2 = 0, a3 = 0, a4 = 0, a5 = 0, a6 = 0, a7 = 0, a8 = 0, a9 = 0, a10 = 0;
    float b = 0;
    int16_t line = 0;
    int16_t Grade = 0;
    int16_t formula = 0;

    // Shows the parameter notice in a plain message box. Defined in the
    // widget library, which owns every message box, so that the model
    // asks nobody.
    void ShowFormula() const;
    // The notice text that ShowFormula shows.
    QString parameterNotice() const;
    QString GetFormulaString() const;
    // Reads a parameter file; true when it held a complete, known formula.
    bool ReadFile(const QString& FileName);
    // ReadFile on text already in memory (the whole file as read).
    bool readText(const QString& text);
    void SaveFile(const QString& FileName) const;
    // Number of non-zero coefficients among a1..a10.
    int16_t countTerms() const;

    // a1..a10 by signal number; 0 / no effect for any other number.
    float coefficient(int number) const;
    void setCoefficient(int number, float value);

    static QString measurementName(int code); // "Cons", "Ash", "Res1", "Res2" or ""
    static QString gradeText(int grade);      // "1", "2", "1&2" or ""
    static QString signalName(int number);    // "DLed" .. "S10" or ""

private:
    QString buildParText() const;
};

} // namespace orvo
