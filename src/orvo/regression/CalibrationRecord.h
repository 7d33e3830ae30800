#pragma once

#include <orvo/core_export.h>
#include <orvo/model/CalibrationFormula.h>
#include <orvo/regression/CandidateDiagnostics.h>
#include <orvo/regression/PointInfluence.h>
#include <orvo/regression/RegressionBlocks.h>
#include <orvo/regression/ResultChartData.h>
#include <orvo/regression/SampleSelection.h>
#include <orvo/regression/WorkbenchDiagnostics.h>

#include <QDateTime>
#include <QList>
#include <QString>

#include <array>
#include <utility>
#include <vector>

namespace orvo {

class MeasurementData;
class RegressionCalculation;

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
    QDateTime fileDate;      // invalid when the file is unknown
    QString quantity;        // "Cons", "Ash", "Res1" or "Res2"
    QString grades;          // "1", "2" or "1&2"
    int first = 0, last = 0; // 1-based, as typed
    int usableCount = 0;
    std::vector<Excluded> excluded;
    QString formulaText;
    // Correlation and standard error as the workbench's boxes show them,
    // then the row's t-values as the result table does.
    std::vector<std::pair<QString, QString>> statistics;
    CandidateDiagnostics diagnostics;
    std::vector<PointInfluence> influence;
    ResultChartData chart;
    // Chart point indices, per flag.
    std::array<QList<int>, WorkbenchDiagnostics::FlagCount> flagged;

    // The record of the candidate at list position `position` of the
    // calculation's current results over `data`, read from `fileName`.
    // Throws CalibrationError when the results are not current or the list
    // has no such entry.
    static CalibrationRecord of(const MeasurementData& data, const QString& fileName,
                                const RegressionCalculation& calculation, int position);

    // Why a sample was left out, in words.
    static QString reasonText(SampleSelection::Status status);
};

} // namespace orvo
