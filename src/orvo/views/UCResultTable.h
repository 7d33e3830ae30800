#pragma once

#include <orvo/regression/RegressionBlocks.h>
#include <orvo/views_export.h>

#include <QWidget>

class QTableWidget;

namespace orvo {

// The table of a whole regression result block: a grey caption row over the
// 17 result rows of 20 columns, in the grid scgResult.
class ORVO_VIEWS_EXPORT UCResultTable : public QWidget {
    Q_OBJECT

public:
    static constexpr int resultRows = block::RowCount;
    static constexpr int resultColumns = block::ColumnCount;
    using ResultBlock = CalcResults;

    explicit UCResultTable(QWidget* parent = nullptr);

    // Refills the whole grid from the block (row × 20 + column).
    void SetResultData(const ResultBlock& table);

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize gridContentSize() const;

    QTableWidget* m_grid;
};

} // namespace orvo
