#include <orvo/host/IDTMCommunication.h>
#include <orvo/host/TranslationKeys.h>
#include <orvo/views/ResultTable.h>

#include <QVBoxLayout>

namespace orvo {

ResultTable::ResultTable(QWidget* parent) : QDialog(parent), m_table(new UCResultTable(this)) {
    m_table->setObjectName(QStringLiteral("UCResultTable1"));
    setWindowTitle(QStringLiteral("Calculation result table"));
    // The table fills the window whatever its size.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
}

void ResultTable::SetResultData(const UCResultTable::ResultBlock& table) {
    m_table->SetResultData(table);
}

void ResultTable::translate(IDTMCommunication& comm) {
    setWindowTitle(comm.getTranslation(QString::fromLatin1(key::calculationResultTable)));
}

} // namespace orvo
