#include "MainWindow.h"

#include <orvo/host/Prompts.h>
#include <orvo/model/CalibrationError.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/views/OrvoCalibrationGUI.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>

namespace orvo::workbench {

namespace {

const QString geometryKey = QStringLiteral("window/geometry");

Prompts::Answer ask(const QString& text, Prompts::Buttons buttons, Prompts::Icon icon) {
    return Prompts::instance().messageBox(text, buttons, icon, QCoreApplication::applicationName());
}

} // namespace

MainWindow::MainWindow(const TranslationTable& texts, WorkbenchHost& host)
    : m_texts(texts), m_host(host) {
    setObjectName(QStringLiteral("MainWindow"));
    m_calibration = new OrvoCalibrationGUI(this);
    m_calibration->setObjectName(QStringLiteral("OrvoCalibrationGUI1"));
    setCentralWidget(m_calibration);
    m_calibration->setCommunication(&m_host);
    m_deviceState = new QLabel(this);
    statusBar()->addPermanentWidget(m_deviceState);
    createMenus();
    onOnlineToggled(m_host.isOnline());
    m_calibration->translate();
    resize(1180, 820);
    restoreGeometry(QSettings().value(geometryKey).toByteArray());
}

void MainWindow::createMenus() {
    QMenu* file = menuBar()->addMenu(m_texts.appText(AppText::FileMenu));
    QAction* open = file->addAction(m_texts.appText(AppText::Open), this, &MainWindow::onOpen);
    open->setShortcut(QKeySequence::Open);
    file->addSeparator();
    QAction* quit = file->addAction(m_texts.appText(AppText::Quit), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);

    QMenu* device = menuBar()->addMenu(m_texts.appText(AppText::DeviceMenu));
    QAction* online = device->addAction(m_texts.appText(AppText::Online));
    online->setObjectName(QStringLiteral("ActionOnline"));
    online->setCheckable(true);
    online->setChecked(m_host.isOnline());
    connect(online, &QAction::toggled, this, &MainWindow::onOnlineToggled);

    QMenu* help = menuBar()->addMenu(m_texts.appText(AppText::HelpMenu));
    help->addAction(m_texts.appText(AppText::About), this, &MainWindow::onAbout);
}

void MainWindow::openDataFile(const QString& path) {
    reportReadFault(path);
    m_calibration->setDataFile(path);
    setWindowTitle(QStringLiteral("%1 - %2").arg(QFileInfo(path).fileName(),
                                                 QCoreApplication::applicationName()));
    statusBar()->showMessage(QDir::toNativeSeparators(path));
}

// The control ignores read faults by design; the workbench tells its user.
void MainWindow::reportReadFault(const QString& path) {
    MeasurementData probe;
    try {
        probe.ReadFile(path, [](const QString&) { return false; });
    } catch (const CalibrationError& error) {
        ask(m_texts.appText(AppText::FileNotRead)
                .arg(QDir::toNativeSeparators(path), error.description()),
            Prompts::Buttons::Ok, Prompts::Icon::Warning);
    }
}

void MainWindow::onOpen() {
    if (!mayDiscardChanges())
        return;
    Prompts::FileDialog dialog;
    dialog.title = m_texts.text(QStringLiteral("sourceFile"));
    dialog.filter = QStringLiteral("%1 (*.cal);;%2 (*)")
                        .arg(m_texts.text(QStringLiteral("calibrationFile")),
                             m_texts.text(QStringLiteral("allFiles")));
    dialog.defaultSuffix = QStringLiteral("cal");
    if (const auto path = Prompts::instance().openFileName(dialog))
        openDataFile(*path);
}

void MainWindow::onOnlineToggled(bool online) {
    m_host.setOnline(online);
    m_calibration->setOnlineMode(online);
    m_deviceState->setText(
        m_texts.appText(online ? AppText::DeviceIsOnline : AppText::DeviceIsOffline));
}

void MainWindow::onAbout() {
    ask(m_texts.appText(AppText::AboutText).arg(QCoreApplication::applicationVersion()),
        Prompts::Buttons::Ok, Prompts::Icon::Information);
}

bool MainWindow::mayDiscardChanges() {
    if (!m_calibration->hasUnsavedChanges())
        return true;
    return ask(m_texts.appText(AppText::UnsavedChanges), Prompts::Buttons::YesNo,
               Prompts::Icon::Warning) == Prompts::Answer::Yes;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!mayDiscardChanges()) {
        event->ignore();
        return;
    }
    QSettings().setValue(geometryKey, saveGeometry());
    event->accept();
}

} // namespace orvo::workbench
