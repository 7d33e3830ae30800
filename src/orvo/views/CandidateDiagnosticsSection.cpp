#include <orvo/regression/DiagnosticsText.h>
#include <orvo/views/CandidateDiagnosticsSection.h>
#include <orvo/views/controls/GridSetup.h>
#include <orvo/views/controls/NamedChild.h>

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace orvo {

namespace {

// In grid width units, as the result table's columns.
constexpr int columnWidth = 60;
// Candidate rows that stay in view however small the window.
constexpr int minimumRows = 3;

} // namespace

CandidateDiagnosticsSection::CandidateDiagnosticsSection(QWidget* parent)
    : QGroupBox(QStringLiteral("Diagnostics of the candidates"), parent),
      m_grid(namedChild<QTableWidget>(this, "scgDiagnostics")) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    setRows({});
}

void CandidateDiagnosticsSection::setRows(const QList<QStringList>& rows) {
    const QStringList captions = diagnosticsText::candidateCaptions();
    setUpGrid(*m_grid, static_cast<int>(rows.size()) + 1, QList<int>(captions.size(), columnWidth));
    setCaptionRow(*m_grid, captions);
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < rows[row].size(); ++column)
            m_grid->setItem(row + 1, column, makeReadOnlyItem(rows[row][column]));
    m_grid->setCurrentCell(-1, -1);
    keepRowsInView();
}

// However small the window, the captions and a few rows stay in view.
void CandidateDiagnosticsSection::keepRowsInView() {
    const int rows = std::min(m_grid->rowCount(), minimumRows + 1);
    m_grid->setMinimumHeight(gridHeight(rows));
    updateGeometry();
}

// Asks for the room of every row, which the window gives where it can.
QSize CandidateDiagnosticsSection::sizeHint() const {
    QSize hint = QGroupBox::sizeHint();
    hint.rheight() += gridHeight(m_grid->rowCount()) - m_grid->sizeHint().height();
    return hint;
}

int CandidateDiagnosticsSection::gridHeight(int rows) const {
    return 2 * m_grid->frameWidth() + m_grid->horizontalScrollBar()->sizeHint().height() +
           rows * m_grid->verticalHeader()->defaultSectionSize();
}

} // namespace orvo
