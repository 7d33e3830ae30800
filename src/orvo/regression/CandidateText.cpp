#include <orvo/model/CalibrationFormula.h>
#include <orvo/model/NumberText.h>
#include <orvo/regression/CandidateText.h>

#include <cmath>

namespace orvo {

int slotSignal(float cell) {
    for (int number = 1; number <= 10; ++number)
        if (cell == static_cast<float>(number))
            return number;
    return 0;
}

std::optional<QString> candidateText(const CalcResults& results, int row,
                                     const QString& correlationWord, const QLocale& locale) {
    using namespace block;
    if (at(results, row, FirstSignal) == 0.0f)
        return std::nullopt;
    auto number = [&](float value) {
        return generalText(value, locale);
    };
    QString text;
    for (int slot = 0; slot < MaxVariables; ++slot) {
        const float cell = at(results, row, FirstSignal + slot);
        if (cell == 0.0f)
            continue;
        const int signal = slotSignal(cell);
        if (signal == 0)
            return std::nullopt;
        const float c = at(results, row, slot);
        const QString term =
            QStringLiteral(" * ") + CalibrationFormula::signalName(signal) + QLatin1Char(' ');
        if (c > 0.0f)
            text += (slot == 0 ? QString() : QStringLiteral(" + ")) + number(c) + term;
        else
            text += QStringLiteral(" - ") + number(std::fabs(c)) + term;
    }
    const float constant = at(results, row, Constant);
    text += constant > 0.0f ? QStringLiteral(" + ") + number(constant)
                            : QStringLiteral(" - ") + number(std::fabs(constant));
    text += QStringLiteral(" / ") + correlationWord + QStringLiteral(" : ") +
            number(at(results, row, Correlation));
    return text;
}

} // namespace orvo
