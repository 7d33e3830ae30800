#include "ScreenshotTour.h"

#include "MainWindow.h"
#include "TourPrompts.h"

#include <orvo/views/OrvoCalibrationGUI.h>
#include <orvo/views/controls/XYChart.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>

#include <cmath>
#include <stdexcept>

namespace orvo::workbench {

namespace {

void settle() {
    for (int round = 0; round < 3; ++round)
        QApplication::processEvents();
}

} // namespace

ScreenshotTour::ScreenshotTour(MainWindow& window, TourPrompts& prompts, QDir directory)
    : m_window(window), m_prompts(prompts), m_directory(std::move(directory)) {}

QStringList ScreenshotTour::run() {
    m_saved.clear();
    m_prompts.onModal = [this](QWidget& dialog) {
        return formulaDialog(dialog);
    };
    settle();
    save(m_window, "1-data-editor.png");

    click("CommandRegression");
    selectComboIndex("ComboMeasurement", 0);
    selectComboIndex("ComboVariables", 1);
    auto& grade1 = static_cast<QCheckBox&>(control("CheckGrade1"));
    if (!grade1.isChecked())
        grade1.click();
    click("CommandCalculate");
    excludeOutlier();
    click("CommandCalculate");
    save(m_window, "2-workbench.png");

    click("CommandFollowUp");
    save(m_window, "3-follow-up.png");
    click("CommandFormula");
    // The dialog's failures end inside the view's own guard: count instead.
    if (m_saved.size() != 4)
        throw std::runtime_error("the formula dialog was not shown and saved");
    return m_saved;
}

QWidget& ScreenshotTour::control(const char* name) const {
    auto* widget = m_window.findChild<QWidget*>(QString::fromLatin1(name));
    if (!widget || !widget->isVisible())
        throw std::runtime_error(std::string("no visible control ") + name);
    return *widget;
}

void ScreenshotTour::click(const char* name) {
    auto* button = qobject_cast<QAbstractButton*>(&control(name));
    if (!button)
        throw std::runtime_error(std::string(name) + " is not a button");
    button->click();
    settle();
}

void ScreenshotTour::selectComboIndex(const char* name, int index) {
    auto* combo = qobject_cast<QComboBox*>(&control(name));
    if (!combo)
        throw std::runtime_error(std::string(name) + " is not a list");
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Clicks the point farthest from the ideal line lab = estimate, then the
// point toggle button.
void ScreenshotTour::excludeOutlier() {
    auto* chart = qobject_cast<XYChart*>(&control("Pesgo1"));
    if (!chart || chart->pointCount(0) == 0)
        throw std::runtime_error("the workbench chart shows no points");
    int outlier = 0;
    double largest = -1;
    for (int k = 0; k < chart->pointCount(0); ++k) {
        const QPointF point = chart->point(0, k);
        if (const double distance = std::abs(point.x() - point.y()); distance > largest) {
            largest = distance;
            outlier = k;
        }
    }
    const QPoint pixel = chart->mapToPixel(chart->point(0, outlier));
    QWidget* target = chart->clickTarget();
    QMouseEvent press(QEvent::MouseButtonPress, pixel, target->mapToGlobal(pixel), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pixel, target->mapToGlobal(pixel),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    settle();
    click("CommandDelete");
}

int ScreenshotTour::formulaDialog(QWidget& dialog) {
    settle();
    save(dialog, "4-formula-dialog.png");
    auto* write = dialog.findChild<QAbstractButton*>(QStringLiteral("CommandWrite"));
    auto* ok = dialog.findChild<QAbstractButton*>(QStringLiteral("CommandOK"));
    if (!write || !ok)
        throw std::runtime_error("the formula dialog has no Write or OK button");
    write->click();
    ok->click();
    settle();
    return 1;
}

void ScreenshotTour::save(QWidget& widget, const char* fileName) {
    const QString path = m_directory.filePath(QString::fromLatin1(fileName));
    if (!widget.grab().save(path))
        throw std::runtime_error("cannot write " + path.toStdString());
    m_saved.append(path);
}

} // namespace orvo::workbench
