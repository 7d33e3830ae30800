#pragma once

#include <orvo/model/MeasurementData.h>
#include <orvo/views_export.h>

#include <QList>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

namespace orvo {

class IDTMCommunication;

// The data editor: every sample of the shared set as one row of the grid
// scgData, with a check box for its enabled flag and editable lab values,
// and the commands Update (from the device), Save, Import, Export and
// Clear. Rows and columns are numbered from 1 as the host sees them: the
// caption row is row 1, sample i is in row i + 2.
class ORVO_VIEWS_EXPORT UCDataEditor : public QWidget {
    Q_OBJECT

public:
    explicit UCDataEditor(QWidget* parent = nullptr);
    ~UCDataEditor() override;

    // The host object is not owned; it must outlive this view.
    void setCommunication(IDTMCommunication* comm);
    // The working data file, which Save writes and Clear empties.
    void setDataFileName(const QString& FileName);
    // Shows ms (the same object, not a copy), taken as what the working
    // file holds.
    void SetData(std::shared_ptr<MeasurementData> ms);
    std::shared_ptr<MeasurementData> GetData() const;

    // Sets every sample's check box to its enabled flag.
    void updateCheckBoxes();
    // True after an Import until setMeasurementDataValid.
    bool isNewMeasurementData() const;
    void setMeasurementDataValid();
    // Update can be used only while the device is online.
    void setOnlineMode(bool mode);
    void translate();

    // The check box of a cell in host numbering; only column 1 of a sample
    // row has one. Throws CalibrationError outside the grid, and when
    // setting a cell without a box.
    bool CellChecked(int16_t Row, int16_t Col) const;
    void CellChecked(int16_t Row, int16_t Col, bool Checked);

    // The error box of the Update command: number, failed step and reason.
    void Error_Report(const QString& Failed_Function, const QString& Error_Description,
                      int16_t Error_Number);

    // Whether the set holds anything that Save has not written to the
    // working file: samples from the device, lab values, enabled flags
    // (also those changed in other views), an imported set.
    bool hasUnsavedChanges() const;

signals:
    // Samples changed in place (enabled flag, lab value), by index in the set.
    void samplesChanged(const QList<int>& indexes);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void createGrid();
    void connectControls();
    void placeControls();

    void onUpdate();
    void onSave();
    void onImport();
    void onExport();
    void onClear();

    void runUpdateStep(const std::function<void()>& step);
    bool writeWorkingFile(const char* failedStep,
                          void (MeasurementData::*write)(const QString&) const);
    void clearModifiedFlags();
    void showIllegalValue();
    IDTMCommunication& hostLink() const;
    QString translated(const char* key) const;
    MeasurementData& dataSet() const;

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace orvo
