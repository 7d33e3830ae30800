#pragma once

#include <orvo/views/UCResultTable.h>
#include <orvo/views_export.h>

#include <QDialog>

namespace orvo {

class CandidateDiagnosticsSection;
class IDTMCommunication;

// The window that shows a whole result block and, below it, the diagnostics
// of the candidates; the workbench keeps one and refills it before each
// showing.
class ORVO_VIEWS_EXPORT ResultTable : public QDialog {
    Q_OBJECT

public:
    explicit ResultTable(QWidget* parent = nullptr);

    void SetResultData(const UCResultTable::ResultBlock& table);
    // The cells of the diagnostics section, one list per candidate.
    void setDiagnosticsRows(const QList<QStringList>& rows);
    // Sets the window caption to the host's text for it.
    void translate(IDTMCommunication& comm);

private:
    UCResultTable* m_table;
    CandidateDiagnosticsSection* m_diagnostics;
};

} // namespace orvo
