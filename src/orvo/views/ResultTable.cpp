#include <orvo/host/IDTMCommunication.h>
#include <orvo/host/TranslationKeys.h>
#include <orvo/views/CandidateDiagnosticsSection.h>
#include <orvo/views/ResultTable.h>
#include <orvo/views/controls/Twips.h>

#include <QSplitter>
#include <QVBoxLayout>

namespace orvo {

namespace {

// The section lines up with the result grid's left and right edges.
constexpr int sectionLeftTwips = 120;
constexpr int sectionRightTwips = 240;
constexpr int sectionBottomTwips = 120;

} // namespace

ResultTable::ResultTable(QWidget* parent)
    : QDialog(parent), m_table(new UCResultTable), m_diagnostics(new CandidateDiagnosticsSection) {
    m_table->setObjectName(QStringLiteral("UCResultTable1"));
    m_diagnostics->setObjectName(QStringLiteral("FrameDiagnostics"));
    setWindowTitle(QStringLiteral("Calculation result table"));
    auto* below = new QWidget;
    auto* belowLayout = new QVBoxLayout(below);
    belowLayout->setContentsMargins(twipsToPixelsX(*this, sectionLeftTwips), 0,
                                    twipsToPixelsX(*this, sectionRightTwips),
                                    twipsToPixelsY(*this, sectionBottomTwips));
    belowLayout->addWidget(m_diagnostics);
    // The user shares the height between the two; the table takes what the
    // window gains.
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_table);
    splitter->addWidget(below);
    splitter->setStretchFactor(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
}

void ResultTable::SetResultData(const UCResultTable::ResultBlock& table) {
    m_table->SetResultData(table);
}

void ResultTable::setDiagnosticsRows(const QList<QStringList>& rows) {
    m_diagnostics->setRows(rows);
}

void ResultTable::translate(IDTMCommunication& comm) {
    setWindowTitle(comm.getTranslation(QString::fromLatin1(key::calculationResultTable)));
}

} // namespace orvo
