#include "WorkbenchHost.h"

#include <orvo/host/Prompts.h>
#include <orvo/model/CalibrationError.h>

#include <QCoreApplication>

namespace orvo::workbench {

namespace {

constexpr int16_t QuestionDialog = 1;
constexpr int16_t AnswerOk = 1;
constexpr int16_t AnswerCancel = 2;

Prompts::Answer show(const QString& text, Prompts::Buttons buttons, Prompts::Icon icon) {
    return Prompts::instance().messageBox(text, buttons, icon, QCoreApplication::applicationName());
}

} // namespace

std::optional<CalibrationFormula> WorkbenchHost::getFormula(int16_t formula, int16_t Grade) {
    if (!m_online)
        return std::nullopt;
    return m_device.readFormula(formula, Grade);
}

QVariant WorkbenchHost::writeFormula(const CalibrationFormula& formula) {
    if (!m_online) {
        showErrorMessage(m_texts.appText(AppText::DeviceOffline));
        return false;
    }
    try {
        m_device.writeFormula(formula);
        return true;
    } catch (const CalibrationError& error) {
        showErrorMessage(error.description());
        return false;
    }
}

std::vector<std::shared_ptr<MeasurementPoint>> WorkbenchHost::getCalibrationData(double lastDate) {
    if (!m_online)
        throw CalibrationError(ErrorNumber::FileAccess, m_texts.appText(AppText::DeviceOffline));
    return m_device.samplesAfter(lastDate, SimulatedDevice::currentDate());
}

QString WorkbenchHost::getTranslation(const QString& key) {
    return m_texts.text(key);
}

void WorkbenchHost::showErrorMessage(const QString& message) {
    show(message, Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

int16_t WorkbenchHost::showDialog(int16_t dialogType, const QString& message) {
    if (dialogType != QuestionDialog) {
        show(message, Prompts::Buttons::Ok, Prompts::Icon::Information);
        return AnswerOk;
    }
    const auto answer = show(message, Prompts::Buttons::OkCancel, Prompts::Icon::Question);
    return answer == Prompts::Answer::Ok ? AnswerOk : AnswerCancel;
}

} // namespace orvo::workbench
