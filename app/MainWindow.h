#pragma once

#include "TranslationTable.h"
#include "WorkbenchHost.h"

#include <QMainWindow>

class QAction;
class QLabel;

namespace orvo {
class OrvoCalibrationGUI;
}

namespace orvo::workbench {

// The workbench window: the calibration control as its centre, a File menu
// to open data files, the device's online switch, Help > About. It keeps
// its geometry between runs and asks before unsaved table changes are lost.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(const TranslationTable& texts, WorkbenchHost& host);

    // Hands the file to the control; a fault while reading is reported, the
    // samples read before it are still shown.
    void openDataFile(const QString& path);
    OrvoCalibrationGUI& calibration() const { return *m_calibration; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void onOpen();
    void onOnlineToggled(bool online);
    void onAbout();
    bool mayDiscardChanges();
    void reportReadFault(const QString& path);

    const TranslationTable& m_texts;
    WorkbenchHost& m_host;
    OrvoCalibrationGUI* m_calibration = nullptr;
    QLabel* m_deviceState = nullptr;
};

} // namespace orvo::workbench
