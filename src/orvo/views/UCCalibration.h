#pragma once

#include <orvo/model/MeasurementData.h>
#include <orvo/regression/RegressionCalculation.h>
#include <orvo/regression/ResultChartData.h>
#include <orvo/views/WorkbenchLayout.h>
#include <orvo/views_export.h>

#include <QWidget>

#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace orvo {

class IDTMCommunication;
class MeasurementData;
class ResultTable;
class XYChart;

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

    const RegressionCalculation& calculation() const { return m_calculation; }
    // Data-set index of each point drawn in the chart, in chart order.
    const std::vector<int16_t>& plottedPoints() const { return m_plottedPoints; }

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

    RegressionInputs readInputs() const;
    void finishRun();
    void fillFormulaList();
    void report(const char* key);
    QString translated(const char* key) const;
    void showPointValues(int16_t index);
    void clearPointValues();
    void setDeleteCaption(const char* key);
    PointPtr plottedPoint(int chartPoint) const;

    RegressionCalculation m_calculation;
    std::vector<int16_t> m_plottedPoints;
    std::shared_ptr<MeasurementData> m_data;
    IDTMCommunication* m_comm = nullptr;
    ResultTable* m_resultTable = nullptr;
    WorkbenchLayout m_layout;

    QLabel* m_labelMeasurement = nullptr;
    QLabel* m_labelVariables = nullptr;
    QLabel* m_labelFormulas = nullptr;
    QLabel* m_labelStart = nullptr;
    QLabel* m_labelEnd = nullptr;
    QLabel* m_labelCorr = nullptr;
    QLabel* m_labelStdErr = nullptr;
    QComboBox* m_comboMeasurement = nullptr;
    QComboBox* m_comboVariables = nullptr;
    QComboBox* m_comboFormulas = nullptr;
    QCheckBox* m_checkGrade1 = nullptr;
    QCheckBox* m_checkGrade2 = nullptr;
    QLineEdit* m_textStart = nullptr;
    QLineEdit* m_textEnd = nullptr;
    QLineEdit* m_textCorr = nullptr;
    QLineEdit* m_textStdErr = nullptr;
    QPushButton* m_commandCalculate = nullptr;
    QPushButton* m_commandNext = nullptr;
    QPushButton* m_commandPrevious = nullptr;
    QPushButton* m_commandResult = nullptr;
    QPushButton* m_commandDelete = nullptr;
    XYChart* m_chart = nullptr;
    QTreeWidget* m_pointList = nullptr;
};

} // namespace orvo
