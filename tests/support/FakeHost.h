#pragma once

#include <orvo/host/IDTMCommunication.h>

#include <QHash>
#include <QStringList>

#include <deque>

namespace orvo::test {

// A host that records every call in order and answers from a script:
// translations from a table (the key itself when absent), device formulas
// and samples from queues, dialog answers from a queue (1 = OK when empty).
class FakeHost : public IDTMCommunication {
public:
    QHash<QString, QString> translations;
    std::deque<std::optional<CalibrationFormula>> formulasToRead;
    std::deque<std::vector<std::shared_ptr<MeasurementPoint>>> samplesToDeliver;
    std::deque<int16_t> dialogAnswers;

    // "getTranslation(key)", "showErrorMessage(text)", ... in call order.
    QStringList calls;
    QStringList errorMessages;
    std::vector<CalibrationFormula> writtenFormulas;
    std::vector<double> requestedDates;

    std::optional<CalibrationFormula> getFormula(int16_t formula, int16_t Grade) override;
    QVariant writeFormula(const CalibrationFormula& formula) override;
    std::vector<std::shared_ptr<MeasurementPoint>> getCalibrationData(double lastDate) override;
    QString getTranslation(const QString& key) override;
    void showErrorMessage(const QString& message) override;
    int16_t showDialog(int16_t dialogType, const QString& message) override;

    // Calls other than getTranslation, the ones a test usually checks.
    QStringList callsWithoutTranslations() const;
};

} // namespace orvo::test
