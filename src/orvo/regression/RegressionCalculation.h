#pragma once

#include <orvo/core_export.h>
#include <orvo/model/CalibrationFormula.h>
#include <orvo/regression/RegressionBlocks.h>
#include <orvo/regression/RegressionInputs.h>

#include <QLocale>
#include <QStringList>

#include <optional>

namespace orvo {

class MeasurementData;

// The workbench's calculation state and the rules of its three commands:
// a full run, a step adding a variable and a step removing one. Widgets read
// their inputs into RegressionInputs and show what this class leaves behind.
class ORVO_CORE_EXPORT RegressionCalculation {
public:
    enum class Outcome { Ran, IllegalValues, NoLabValues, NothingToStepFrom };

    const CalcParams& calcParams() const { return m_calcParams; }
    const CalcResults& calcResults() const { return m_calcResults; }
    bool resultsValid() const { return m_resultsValid; }
    void markResultsValid() { m_resultsValid = true; }
    void resetResults() { m_resultsValid = false; }

    // A command that ran has rewritten the result block; the caller marks the
    // results valid once it has taken over the new inputs.
    Outcome fullRun(const MeasurementData& data, const RegressionInputs& inputs);
    // Steps continue the last run from the candidate at list position
    // selected; the grade check boxes are read anew for the point count.
    Outcome stepForward(const MeasurementData& data, const RegressionInputs& inputs, int selected);
    Outcome stepBack(const MeasurementData& data, const RegressionInputs& inputs, int selected);

    int variableCount() const { return m_calcParams[block::Variables]; }
    bool canStepForward() const { return variableCount() < block::MaxVariables; }
    bool canStepBack() const { return variableCount() > 1; }

    // Rebuilds the candidate list from the result block: the texts in list
    // order; candidateRow(k) is the result row of entry k.
    QStringList fillFormulaList(const QString& correlationWord, const QLocale& locale = QLocale());
    int candidateCount() const { return m_candidateCount; }
    int16_t candidateRow(int position) const;

    // The candidate at list position selected as a formula for the lab
    // quantity given; none while the results are not current or the list
    // has no such entry.
    std::optional<CalibrationFormula> currentFormula(int selected, int measurement) const;

    // Usable points among positions first..last (1-based) for the regression.
    static int16_t countLabPoints(const MeasurementData& data, int32_t first, int32_t last,
                                  int32_t measurement, bool takeGrade1, bool takeGrade2);
    static bool rangeIsLegal(int32_t first, int32_t last, int pointCount);

private:
    enum class Direction { Forward, Back };

    Outcome step(const MeasurementData& data, const RegressionInputs& inputs, int selected,
                 Direction direction);
    void fillControlBlock(const RegressionInputs& inputs);
    // Range check and usable-point count of the stored block: Ran when the
    // engine may be called with `needed` points at least.
    Outcome checkPoints(const MeasurementData& data, const RegressionInputs& inputs,
                        int needed) const;
    void callEngine(const MeasurementData& data);

    CalcParams m_calcParams{};
    CalcResults m_calcResults{};
    std::array<int16_t, block::RowCount> m_candidateRows{};
    int m_candidateCount = 0;
    bool m_resultsValid = false;
};

// The message key a stopped command reports, or nullptr when it ran.
ORVO_CORE_EXPORT const char* messageKey(RegressionCalculation::Outcome outcome);

} // namespace orvo
