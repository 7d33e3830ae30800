#include "FakeHost.h"

#include <orvo/model/MeasurementPoint.h>

namespace orvo::test {

std::optional<CalibrationFormula> FakeHost::getFormula(int16_t formula, int16_t Grade) {
    calls << QStringLiteral("getFormula(%1,%2)").arg(formula).arg(Grade);
    if (formulasToRead.empty())
        return std::nullopt;
    auto result = formulasToRead.front();
    formulasToRead.pop_front();
    return result;
}

QVariant FakeHost::writeFormula(const CalibrationFormula& formula) {
    calls << QStringLiteral("writeFormula(%1,%2)").arg(formula.formula).arg(formula.Grade);
    writtenFormulas.push_back(formula);
    return {};
}

std::vector<std::shared_ptr<MeasurementPoint>> FakeHost::getCalibrationData(double lastDate) {
    calls << QStringLiteral("getCalibrationData(%1)").arg(lastDate, 0, 'g', 17);
    requestedDates.push_back(lastDate);
    if (samplesToDeliver.empty())
        return {};
    auto result = samplesToDeliver.front();
    samplesToDeliver.pop_front();
    return result;
}

QString FakeHost::getTranslation(const QString& key) {
    calls << QStringLiteral("getTranslation(%1)").arg(key);
    return translations.value(key, key);
}

void FakeHost::showErrorMessage(const QString& message) {
    calls << QStringLiteral("showErrorMessage(%1)").arg(message);
    errorMessages << message;
}

int16_t FakeHost::showDialog(int16_t dialogType, const QString& message) {
    calls << QStringLiteral("showDialog(%1,%2)").arg(dialogType).arg(message);
    if (dialogAnswers.empty())
        return 1;
    const int16_t answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

QStringList FakeHost::callsWithoutTranslations() const {
    QStringList result;
    for (const QString& call : calls)
        if (!call.startsWith(QLatin1String("getTranslation(")))
            result << call;
    return result;
}

} // namespace orvo::test
