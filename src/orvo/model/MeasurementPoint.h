#pragma once

#include <orvo/core_export.h>

#include <QString>

#include <array>
#include <cstdint>

namespace orvo {

// One calibration sample: date, raw device signals, process values, the
// device's own readings, lab reference values and bookkeeping flags. It owns
// its line of the calibration data file in both directions.
class ORVO_CORE_EXPORT MeasurementPoint {
public:
    // Day-count date: days since 30 December 1899, fraction = time of day.
    double MeasurementDate = 0;
    double SIG1 = 0, SIG2 = 0, SIG3 = 0, SIG4 = 0, SIG5 = 0, SIG6 = 0, SIG7 = 0, SIG8 = 0;
    double SIG9 = 0, SIG10 = 0, SIG11 = 0, SIG12 = 0, SIG13 = 0, SIG14 = 0, SIG15 = 0;
    double ConsMeas = 0;
    double AshMeas = 0;
    double pH = 0;
    double Conductivity = 0;
    double Charge = 0;
    double Floc = 0;
    double temp = 0;
    double Errorper = 0;
    double LabCons = 0;
    double OldLabCons = 0;
    double LabAsh = 0;
    double OldLabAsh = 0;
    double LabRes1 = 0;
    double OldLabRes1 = 0;
    double LabRes2 = 0;
    double OldLabRes2 = 0;
    double LabRes3 = 0;
    double OldLabRes3 = 0;
    double LabRes4 = 0;
    double OldLabRes4 = 0;
    double Grade = 0;
    double line = 0;
    bool modified = false;
    bool enabled = false;

    // Fills the point from one data line that ends in a blank and the
    // one-digit date layout code; removes the last character of str.
    // Throws CalibrationError for a short line or a bad date.
    void ParseString(QString& str);
    // The 33 TAB-separated column captions of the data file, no line end.
    static QString headerLine();
    // This point's data line, no line end; always "." as decimal point.
    QString toLine() const;

    // SIG1..SIG15 by number; 0 for any other number. Inline, as every fit
    // reads them for every point.
    double signal(int number) const;
    // Lab value by measurement code: 0 LabCons, 1 LabAsh, 2 LabRes1,
    // 3 LabRes2; 0 for any other code.
    double labValue(int measurement) const;

private:
    using Field = double MeasurementPoint::*;
    static constexpr std::array<Field, 15> signalFields() {
        return {&MeasurementPoint::SIG1,  &MeasurementPoint::SIG2,  &MeasurementPoint::SIG3,
                &MeasurementPoint::SIG4,  &MeasurementPoint::SIG5,  &MeasurementPoint::SIG6,
                &MeasurementPoint::SIG7,  &MeasurementPoint::SIG8,  &MeasurementPoint::SIG9,
                &MeasurementPoint::SIG10, &MeasurementPoint::SIG11, &MeasurementPoint::SIG12,
                &MeasurementPoint::SIG13, &MeasurementPoint::SIG14, &MeasurementPoint::SIG15};
    }
    static constexpr std::array<Field, 4> labFields() {
        return {&MeasurementPoint::LabCons, &MeasurementPoint::LabAsh, &MeasurementPoint::LabRes1,
                &MeasurementPoint::LabRes2};
    }

    static double parseDateText(QString& text, int16_t layout);
    static QString twoDigits(int16_t n);
};

inline double MeasurementPoint::signal(int number) const {
    constexpr auto fields = signalFields();
    return number >= 1 && number <= static_cast<int>(fields.size()) ? this->*fields[number - 1] : 0;
}

inline double MeasurementPoint::labValue(int measurement) const {
    constexpr auto fields = labFields();
    return measurement >= 0 && measurement < static_cast<int>(fields.size())
               ? this->*fields[measurement]
               : 0;
}

} // namespace orvo
