#pragma once

#include <orvo/core_export.h>
#include <orvo/model/CalibrationFormula.h>
#include <orvo/regression/CandidateDiagnostics.h>
#include <orvo/regression/PointInfluence.h>
#include <orvo/regression/RegressionBlocks.h>
#include <orvo/regression/ResultChartData.h>
#include <orvo/regression/SampleSelection.h>

#include <QDateTime>
#include <QString>

#include <utility>
#include <vector>

namespace orvo {

class MeasurementData;

// Everything the calibration report shows, gathered from the state of a run
// without widgets, so that the command line and the workbench file the same
// record.
struct ORVO_CORE_EXPORT CalibrationRecord {
    struct Excluded {
        int index;
        double date;
        SampleSelection::Status status;
    };

    QString fileName;
    QDateTime fileDate; // invalid when the file is unknown
    QString quantity;   // "Cons", "Ash", "Res1" or "Res2"
    QString grades;     // "1", "2" or "1&2"
    int first = 0, last = 0;
    int usableCount = 0;
    std::vector<Excluded> excluded;
    QString formulaText;
    // The row's statistics of the result block, captions as in the result table.
    std::vector<std::pair<QString, float>> statistics;
    CandidateDiagnostics diagnostics;
    std::vector<PointInfluence> influence;
    ResultChartData chart;
    // Per chart point: whether the diagnostics flag it.
    std::vector<bool> flagged;

    // The record of result row `row` of a run over `data`, with the formula
    // the workbench builds from it.
    static CalibrationRecord of(const MeasurementData& data, const QString& fileName,
                                const CalcParams& params, const CalcResults& results, int row,
                                const CalibrationFormula& formula);

    // Why a sample was left out, in words.
    static QString reasonText(SampleSelection::Status status);
};

} // namespace orvo
