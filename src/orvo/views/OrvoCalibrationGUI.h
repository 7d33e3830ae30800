#pragma once

#include <orvo/views_export.h>

#include <QString>
#include <QWidget>

#include <memory>

namespace orvo {

class IDTMCommunication;

// The control a host embeds: the data editor, the regression workbench and
// the follow-up view in one area, one of them visible at a time, switched by
// three buttons, over one shared sample set.
class ORVO_VIEWS_EXPORT OrvoCalibrationGUI : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString FileName READ FileName)
    Q_PROPERTY(bool bClean READ bClean)

public:
    explicit OrvoCalibrationGUI(QWidget* parent = nullptr);
    ~OrvoCalibrationGUI() override;

    // The host object is not owned; it must outlive this control. Call it
    // before translate and before the user can reach any command.
    void setCommunication(IDTMCommunication* comm);
    // Reads the calibration data file into the shared set; a file that
    // cannot be read leaves the set as far as it was read, without a message.
    void setDataFile(const QString& dataFile);
    void setOnlineMode(bool mode);
    void translate();

    QString FileName() const;
    bool bClean() const;
    // True while the data editor holds changes that Save has not written:
    // what a host asks before it lets the control go.
    bool hasUnsavedChanges() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void createFrame();
    void createViews();
    void connectControls();
    void placeControls();
    void showOnly(QWidget* view);
    // The editor's set becomes the shared one (a new empty set when it has none).
    void takeEditorData();

    void onShowData();
    void onShowRegression();
    void onShowFollowUp();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace orvo
