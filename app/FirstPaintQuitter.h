#pragma once

#include <QObject>

namespace orvo::workbench {

// Quits the application right after the watched widget's first paint:
// measures start-up to a painted window from outside the process.
class FirstPaintQuitter : public QObject {
    Q_OBJECT

public:
    explicit FirstPaintQuitter(QObject* watched);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace orvo::workbench
