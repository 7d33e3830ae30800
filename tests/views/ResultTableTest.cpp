#include "FakeHost.h"
#include "LocaleScope.h"

#include <orvo/views/ResultTable.h>
#include <orvo/views/controls/GridSetup.h>
#include <orvo/views/controls/Twips.h>

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

using orvo::UCResultTable;

const QTableWidget& gridOf(const QWidget& table) {
    return *table.findChild<QTableWidget*>(QStringLiteral("scgResult"));
}

// The text a person sees in result row `row`, result column `column`.
std::string shown(const QWidget& table, int row, int column) {
    const QTableWidget& grid = gridOf(table);
    const auto* delegate = qobject_cast<const QStyledItemDelegate*>(grid.itemDelegate());
    const QTableWidgetItem* item = grid.item(row + 1, column);
    if (!delegate || !item)
        return "<missing>";
    return delegate->displayText(item->data(Qt::DisplayRole), grid.locale()).toStdString();
}

float& cell(UCResultTable::ResultBlock& block, int row, int column) {
    return block[static_cast<std::size_t>(row * UCResultTable::resultColumns + column)];
}

TEST(UCResultTable, ShowsAGreyReadOnlyCaptionRowOverSeventeenRowsInAGridAboveAMinimumSize) {
    UCResultTable table;
    table.show();
    const QTableWidget& grid = gridOf(table);
    ASSERT_EQ(grid.rowCount(), 18);
    ASSERT_EQ(grid.columnCount(), 20);
    const QStringList expected{"A1",      "A2",          "A3",      "A4",      "A5",
                               "B",       "Correlation", "St.Err.", "tTot",    "tA1",
                               "tA2",     "tA3",         "tA4",     "tA5",     "tB",
                               "Signal1", "Signal2",     "Signal3", "Signal4", "Signal5"};
    for (int column = 0; column < 20; ++column) {
        EXPECT_EQ(grid.item(0, column)->text().toStdString(), expected[column].toStdString());
        EXPECT_EQ(grid.item(0, column)->background().color(), QColor(224, 224, 224));
        EXPECT_FALSE(grid.item(0, column)->flags() & Qt::ItemIsEditable);
        EXPECT_EQ(grid.columnWidth(column), qRound(60 * orvo::gridWidthScale(grid)));
    }
    EXPECT_FALSE(grid.horizontalHeader()->isVisibleTo(&grid));
    EXPECT_FALSE(grid.item(17, 19)->flags() & Qt::ItemIsEditable);

    const QRect before = grid.geometry();
    table.resize(orvo::twipsToPixelsX(table, 4000), orvo::twipsToPixelsY(table, 2000));
    EXPECT_EQ(grid.geometry(), before);
    table.resize(900, 500);
    EXPECT_EQ(std::tuple(grid.x(), grid.width(), grid.height()),
              std::tuple(orvo::twipsToPixelsX(table, 120), 900 - orvo::twipsToPixelsX(table, 360),
                         500 - grid.y() - orvo::twipsToPixelsY(table, 440)));
}

TEST(UCResultTable, ShowsTinyValuesAsZeroAndCutsAfterFiveDecimalsInTheUsersLocale) {
    const struct {
        int row;
        int column;
        float value;
        const char* point;
        const char* comma;
    } cases[] = {{0, 0, 0.0000005f, "0", "0"},
                 {0, 1, 1.234567f, "1.23456", "1,23456"},
                 {16, 19, -1.234567f, "-1.23456", "-1,23456"},
                 {5, 8, 123.456789f, "123.45678", "123,45678"},
                 {5, 9, -2.0e-5f, "-1e-05", "-1e-05"},
                 // No grouping.
                 {3, 3, -1234.567f, "-1234.567", "-1234,567"},
                 {9, 9, 2.5f, "2.5", "2,5"}};
    for (const bool comma : {false, true}) {
        const orvo::test::LocaleScope locale(comma ? orvo::test::commaLocale()
                                                   : orvo::test::pointLocale());
        UCResultTable table;
        UCResultTable::ResultBlock block{};
        block.fill(2.5f);
        for (const auto& c : cases)
            cell(block, c.row, c.column) = c.value;
        table.SetResultData(block);
        for (const auto& c : cases)
            EXPECT_EQ(shown(table, c.row, c.column), comma ? c.comma : c.point) << c.value;
        // Every refill replaces all cells.
        table.SetResultData({});
        EXPECT_EQ(shown(table, 0, 1) + shown(table, 9, 9), "00");
    }
}

TEST(ResultTable, ForwardsTheBlockAndTakesItsTitleFromTheHost) {
    orvo::test::FakeHost host;
    host.translations = {{"calculationResultTable", "Ergebnistabelle"}};
    orvo::ResultTable window;
    UCResultTable::ResultBlock block{};
    cell(block, 0, 6) = 0.875f;
    window.SetResultData(block);
    window.translate(host);
    EXPECT_EQ(window.windowTitle().toStdString(), "Ergebnistabelle");
    EXPECT_EQ(shown(window, 0, 6), "0.875");
}

} // namespace
