#pragma once

#include <orvo/model/CalibrationFormula.h>
#include <orvo/views_export.h>

#include <QDialog>

#include <memory>

namespace orvo {

class IDTMCommunication;

// The modal formula dialog: edit a formula, read it from or write it to the
// device, import or export it as a parameter file. The caller hands the
// formula in, runs the dialog and takes getFormula() back; the formula
// changes only when the dialog was closed with OK.
class ORVO_VIEWS_EXPORT FormFormulaEditor : public QDialog {
    Q_OBJECT

public:
    explicit FormFormulaEditor(QWidget* parent = nullptr);
    ~FormFormulaEditor() override;

    // The host object is not owned; it must outlive the dialog.
    void setCommunication(IDTMCommunication* comm);
    void SetFormula(const CalibrationFormula& formul);
    // The formula handed in, or the edited one after OK.
    CalibrationFormula getFormula() const;
    // Read and Write are available only while the device is online.
    void setOnlineMode(bool mode);
    void translate(IDTMCommunication& comm);
    // True when the dialog was closed with OK.
    bool formulaAccepted() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace orvo
