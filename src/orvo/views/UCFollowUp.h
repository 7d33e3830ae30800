#pragma once

#include <orvo/model/CalibrationFormula.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/views_export.h>

#include <QWidget>

#include <cstdint>
#include <memory>

namespace orvo {

class IDTMCommunication;

// Follows one formula over the samples: lab values and estimates side by
// side in sample order, the fitted range marked, and the values of the
// sample under the chart cursor. Its button opens the formula dialog.
class ORVO_VIEWS_EXPORT UCFollowUp : public QWidget {
    Q_OBJECT

public:
    explicit UCFollowUp(QWidget* parent = nullptr);
    ~UCFollowUp() override;

    // Keeps the set; the chart is redrawn only by the next UpdateChart or
    // click of the check box.
    void SetMeasurementData(std::shared_ptr<MeasurementData> data);
    // The host object is not owned; it must outlive this view.
    void setCommunication(IDTMCommunication* comm);
    // Also passed on to the formula dialog while it is open.
    void setOnlineMode(bool mode);
    // Keeps all four and, while the chart is enabled, draws the formula
    // over the set with the range first..last (1-based) marked.
    void UpdateChart(std::shared_ptr<MeasurementData> data, const CalibrationFormula& formula,
                     int16_t first, int16_t last);
    // Fills the readouts from the chart cursor.
    void RefreshTextBoxes();
    // Hides the chart, forgets the formula and empties the readouts.
    void Disable_Chart();
    void Enable_Chart();
    void translate();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace orvo
