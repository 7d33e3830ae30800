#pragma once

#include <orvo/views/UCResultTable.h>
#include <orvo/views_export.h>

#include <QDialog>

namespace orvo {

class IDTMCommunication;

// The window that shows a whole result block; the workbench keeps one and
// refills it before each showing.
class ORVO_VIEWS_EXPORT ResultTable : public QDialog {
    Q_OBJECT

public:
    explicit ResultTable(QWidget* parent = nullptr);

    void SetResultData(const UCResultTable::ResultBlock& table);
    // Sets the window caption to the host's text for it.
    void translate(IDTMCommunication& comm);

private:
    UCResultTable* m_table;
};

} // namespace orvo
