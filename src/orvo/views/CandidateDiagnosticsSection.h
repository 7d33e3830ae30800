#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QTableWidget;

namespace orvo {

// The result window's titled table of the candidates' diagnostics, one row
// per listed candidate under a grey caption row, in the grid scgDiagnostics.
class CandidateDiagnosticsSection : public QGroupBox {
    Q_OBJECT

public:
    explicit CandidateDiagnosticsSection(QWidget* parent = nullptr);

    // One list of cells per candidate, in the captions' column order.
    void setRows(const QList<QStringList>& rows);

    QSize sizeHint() const override;

private:
    void keepRowsInView();
    // Pixels that rows of the grid take, with its frame and a scroll bar.
    int gridHeight(int rows) const;

    QTableWidget* m_grid;
};

} // namespace orvo
