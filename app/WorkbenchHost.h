#pragma once

#include "SimulatedDevice.h"
#include "TranslationTable.h"

#include <orvo/host/IDTMCommunication.h>

namespace orvo::workbench {

// The host side of the calibration control: texts from the translation
// table, messages and the question as message boxes, the device simulated.
// While offline the device answers nothing.
class WorkbenchHost : public IDTMCommunication {
public:
    WorkbenchHost(const TranslationTable& texts, SimulatedDevice& device)
        : m_texts(texts), m_device(device) {}

    void setOnline(bool online) { m_online = online; }
    bool isOnline() const { return m_online; }

    std::optional<CalibrationFormula> getFormula(int16_t formula, int16_t Grade) override;
    QVariant writeFormula(const CalibrationFormula& formula) override;
    std::vector<std::shared_ptr<MeasurementPoint>> getCalibrationData(double lastDate) override;
    QString getTranslation(const QString& key) override;
    void showErrorMessage(const QString& message) override;
    int16_t showDialog(int16_t dialogType, const QString& message) override;

private:
    const TranslationTable& m_texts;
    SimulatedDevice& m_device;
    bool m_online = true;
};

} // namespace orvo::workbench
