#pragma once

#include <orvo/core_export.h>
#include <orvo/model/CalibrationFormula.h>

#include <QString>
#include <QVariant>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace orvo {

class MeasurementPoint;

// What the host application (the device type manager) does for the
// workbench: device access, its own message boxes and translations.
// The host owns the object; the workbench keeps a non-owning pointer.
class ORVO_CORE_EXPORT IDTMCommunication {
public:
    virtual ~IDTMCommunication();

    // The formula the device holds for a measurement code (0..3) and a
    // grade (1 or 2), or none.
    virtual std::optional<CalibrationFormula> getFormula(int16_t formula, int16_t Grade) = 0;
    // Sends a formula (grade 1 or 2) to the device; the result is not used.
    virtual QVariant writeFormula(const CalibrationFormula& formula) = 0;
    // The samples the device recorded after lastDate (a day-count date).
    virtual std::vector<std::shared_ptr<MeasurementPoint>> getCalibrationData(double lastDate) = 0;
    virtual QString getTranslation(const QString& key) = 0;
    virtual void showErrorMessage(const QString& message) = 0;
    // dialogType 1: a question with OK and Cancel; 2 means Cancel.
    virtual int16_t showDialog(int16_t dialogType, const QString& message) = 0;
};

} // namespace orvo
