#pragma once

#include <orvo/model/CalibrationFormula.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/regression/RegressionBlocks.h>
#include <orvo/views_export.h>

#include <QWidget>

#include <memory>
#include <optional>

namespace orvo {

class IDTMCommunication;
struct RegressionInputs;

// The regression workbench: inputs, the three run commands, the candidate
// list, the chart of lab value against estimate with its fitted line, the
// point details, and disabling single points from the chart.
class ORVO_VIEWS_EXPORT UCCalibration : public QWidget {
    Q_OBJECT

public:
    explicit UCCalibration(QWidget* parent = nullptr);
    ~UCCalibration() override;

    void SetMeasurementData(std::shared_ptr<MeasurementData> data);
    // The host object is not owned; it must outlive this view.
    void setCommunication(IDTMCommunication* comm);
    // The data file's name, for the calibration report.
    void setDataFileName(const QString& FileName);
    void updatePointColors();
    void translate();

    std::optional<CalibrationFormula> getCurrentFormula() const;
    // Strict conversions of the range boxes; throw CalibrationError when a
    // box does not hold a number.
    int16_t getStartPoint() const;
    int16_t getEndPoint() const;

    void resetResults();
    void markResultsValid();
    void showResultChart(const MeasurementData& data, int16_t first, int16_t last,
                         const CalcResults& results, int16_t row);

signals:
    // Samples changed in place (their enabled flag), by index in the set.
    void samplesChanged(const QList<int>& indexes);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void createPointList();
    void connectControls();
    void placeControls();

    void onCalculate();
    void onNext();
    void onPrevious();
    void onStep(bool forward);
    void onFormulaSelected(int position);
    void onGradeClicked();
    void onCursorMoved(int series, int point);
    void onTogglePoint();
    void onShowResults();
    void onExportReport();

    RegressionInputs readInputs() const;
    void finishRun();
    void fillFormulaList();
    void report(const char* key);
    QString translated(const char* key) const;
    void showPointValues(int16_t index);
    void clearPointValues();
    void setDeleteCaption(const char* key);
    PointPtr plottedPoint(int chartPoint) const;

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace orvo
