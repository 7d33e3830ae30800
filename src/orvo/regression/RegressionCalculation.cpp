#include <orvo/engine/regre.h>
#include <orvo/host/TranslationKeys.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/regression/CandidateText.h>
#include <orvo/regression/RegressionCalculation.h>
#include <orvo/regression/TextBoxNumber.h>

namespace orvo {

namespace {

// A step needs one point more than its new variable count, and the engine
// never fits fewer than four.
bool tooFewPoints(int usable, int needed) {
    return usable < needed || usable < 4;
}

} // namespace

const char* messageKey(RegressionCalculation::Outcome outcome) {
    switch (outcome) {
    case RegressionCalculation::Outcome::IllegalValues:
        return key::illegalValues;
    case RegressionCalculation::Outcome::NoLabValues:
        return key::noLabValues;
    case RegressionCalculation::Outcome::Ran:
    case RegressionCalculation::Outcome::NothingToStepFrom:
        break;
    }
    return nullptr;
}

bool RegressionCalculation::rangeIsLegal(int32_t first, int32_t last, int pointCount) {
    return first >= 1 && first <= pointCount && first <= last && last <= pointCount;
}

int16_t RegressionCalculation::countLabPoints(const MeasurementData& data, int32_t first,
                                              int32_t last, int32_t measurement, bool takeGrade1,
                                              bool takeGrade2) {
    int16_t count = 0;
    for (int32_t position = first; position <= last; ++position) {
        if (position < 1 || position > data.pointCount())
            continue;
        const PointPtr point = data.getMeasurementPoints(static_cast<int16_t>(position - 1));
        const bool selected =
            (takeGrade1 && point->Grade == 1) || (takeGrade2 && point->Grade == 2);
        if (!selected || !point->enabled)
            continue;
        if (static_cast<float>(point->labValue(measurement)) != 0.0f)
            ++count;
    }
    return count;
}

void RegressionCalculation::fillControlBlock(const RegressionInputs& inputs) {
    using namespace block;
    m_calcParams[0] = 1;
    m_calcParams[Measurement] = inputs.measurement;
    m_calcParams[Variables] = inputs.variablesPosition + 1;
    m_calcParams[3] = 1;
    for (int element : {4, 5, 6, 7, SecondGrade, 10, 11, 12, 15, Mode, StepRow})
        m_calcParams[element] = 0;
    if (inputs.takeGrade1) {
        m_calcParams[FirstGrade] = 1;
        if (inputs.takeGrade2)
            m_calcParams[SecondGrade] = 2;
    } else if (inputs.takeGrade2) {
        m_calcParams[FirstGrade] = 2;
    }
    m_calcParams[FirstPoint] = textBoxNumber32(inputs.startText);
    m_calcParams[LastPoint] = textBoxNumber32(inputs.endText);
}

void RegressionCalculation::callEngine(const MeasurementData& data) {
    std::vector<float> matrix = data.GetDataMatrix();
    regre(m_calcParams.data(), matrix.data(), m_calcResults.data());
}

RegressionCalculation::Outcome RegressionCalculation::checkPoints(const MeasurementData& data,
                                                                  const RegressionInputs& inputs,
                                                                  int needed) const {
    using namespace block;
    const int32_t first = m_calcParams[FirstPoint];
    const int32_t last = m_calcParams[LastPoint];
    if (!rangeIsLegal(first, last, data.pointCount()))
        return Outcome::IllegalValues;
    const int usable = countLabPoints(data, first, last, m_calcParams[Measurement],
                                      inputs.takeGrade1, inputs.takeGrade2);
    return tooFewPoints(usable, needed) ? Outcome::NoLabValues : Outcome::Ran;
}

RegressionCalculation::Outcome RegressionCalculation::fullRun(const MeasurementData& data,
                                                              const RegressionInputs& inputs) {
    fillControlBlock(inputs);
    const Outcome checked = checkPoints(data, inputs, m_calcParams[block::Variables] + 1);
    if (checked == Outcome::Ran)
        callEngine(data);
    return checked;
}

RegressionCalculation::Outcome RegressionCalculation::stepForward(const MeasurementData& data,
                                                                  const RegressionInputs& inputs,
                                                                  int selected) {
    return step(data, inputs, selected, Direction::Forward);
}

RegressionCalculation::Outcome RegressionCalculation::stepBack(const MeasurementData& data,
                                                               const RegressionInputs& inputs,
                                                               int selected) {
    return step(data, inputs, selected, Direction::Back);
}

RegressionCalculation::Outcome RegressionCalculation::step(const MeasurementData& data,
                                                           const RegressionInputs& inputs,
                                                           int selected, Direction direction) {
    using namespace block;
    if (selected < 0 || selected >= m_candidateCount)
        return Outcome::NothingToStepFrom;
    const bool forward = direction == Direction::Forward;
    const Outcome checked = checkPoints(data, inputs, m_calcParams[Variables] + (forward ? 2 : 0));
    if (checked != Outcome::Ran)
        return checked;
    const int p = inputs.variablesPosition;
    if (forward)
        m_calcParams[Variables] = p < 4 ? p + 2 : p + 1;
    else
        m_calcParams[Variables] = p > 0 ? p : 1;
    m_calcParams[Mode] = forward ? 1 : -1;
    m_calcParams[StepRow] = m_candidateRows[static_cast<std::size_t>(selected)];
    callEngine(data);
    return Outcome::Ran;
}

QStringList RegressionCalculation::fillFormulaList(const QString& correlationWord,
                                                   const QLocale& locale) {
    QStringList texts;
    m_candidateCount = 0;
    for (int row = 0; row < block::RowCount; ++row) {
        std::optional<QString> text = candidateText(m_calcResults, row, correlationWord, locale);
        if (!text)
            continue;
        texts << *text;
        m_candidateRows[static_cast<std::size_t>(m_candidateCount++)] = static_cast<int16_t>(row);
    }
    return texts;
}

int16_t RegressionCalculation::candidateRow(int position) const {
    if (position < 0 || position >= m_candidateCount)
        return -1;
    return m_candidateRows[static_cast<std::size_t>(position)];
}

std::optional<CalibrationFormula> RegressionCalculation::currentFormula(int selected,
                                                                        int measurement) const {
    using namespace block;
    const int row = candidateRow(selected);
    if (!m_resultsValid || row < 0)
        return std::nullopt;
    CalibrationFormula formula;
    formula.formula = static_cast<int16_t>(measurement);
    formula.line = 1;
    for (int slot = 0; slot < MaxVariables; ++slot)
        formula.setCoefficient(slotSignal(at(m_calcResults, row, FirstSignal + slot)),
                               at(m_calcResults, row, slot));
    formula.b = at(m_calcResults, row, Constant);
    const int32_t firstGrade = m_calcParams[FirstGrade];
    const int32_t secondGrade = m_calcParams[SecondGrade];
    if (secondGrade == 0 && (firstGrade == 1 || firstGrade == 2))
        formula.Grade = static_cast<int16_t>(firstGrade);
    else if (firstGrade == 1 && secondGrade == 2)
        formula.Grade = 3;
    return formula;
}

} // namespace orvo
