#pragma once

#include <QDir>
#include <QStringList>

class QWidget;

namespace orvo::workbench {

class MainWindow;
class TourPrompts;

// Drives one calibration through the window as a user would (data editor,
// Cons with two variables on grade 1, an outlier excluded, calculated
// again, follow-up, formula dialog with Write) and saves a screenshot of
// every view on the way.
class ScreenshotTour {
public:
    ScreenshotTour(MainWindow& window, TourPrompts& prompts, QDir directory);

    // The screenshots saved; throws std::runtime_error when a step cannot
    // be taken (a control missing, a file not written).
    QStringList run();

private:
    QWidget& control(const char* name) const;
    void click(const char* name);
    void selectComboIndex(const char* name, int index);
    void excludeOutlier();
    int formulaDialog(QWidget& dialog);
    void save(QWidget& widget, const char* fileName);

    MainWindow& m_window;
    TourPrompts& m_prompts;
    QDir m_directory;
    QStringList m_saved;
};

} // namespace orvo::workbench
