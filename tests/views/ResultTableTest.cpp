#include "views/ResultTable.h"

#include "FakeHost.h"
#include "LocaleScope.h"
#include "host/TranslationKeys.h"
#include "views/controls/GridSetup.h"
#include "views/controls/Twips.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <ostream>

namespace {

using orvo::UCResultTable;

QTableWidget& gridOf(const QWidget& table) {
    auto* grid = table.findChild<QTableWidget*>(QStringLiteral("scgResult"));
    if (!grid)
        throw std::runtime_error("no grid scgResult");
    return *grid;
}

// The text a person sees in the cell (grid row and column from 0).
QString shownText(const QTableWidget& grid, int row, int column) {
    const auto* delegate = qobject_cast<const QStyledItemDelegate*>(grid.itemDelegate());
    const QTableWidgetItem* item = grid.item(row, column);
    if (!delegate || !item)
        return QStringLiteral("<missing>");
    return delegate->displayText(item->data(Qt::DisplayRole), grid.locale());
}

UCResultTable::ResultBlock blockWith(int row, int column, float value) {
    UCResultTable::ResultBlock block{};
    block[static_cast<std::size_t>(row * UCResultTable::resultColumns + column)] = value;
    return block;
}

TEST(UCResultTable, ShowsAGreyUntranslatedCaptionRowOverSeventeenResultRows) {
    UCResultTable table;
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
        EXPECT_EQ(grid.columnWidth(column), qRound(60 * orvo::gridWidthScale(grid)));
    }
    EXPECT_FALSE(grid.horizontalHeader()->isVisibleTo(&grid));
    EXPECT_EQ(shownText(grid, 17, 19).toStdString(), "0");
    EXPECT_FALSE(grid.item(17, 19)->flags() & Qt::ItemIsEditable);
}

struct ShownCase {
    const char* name;
    float value;
    const char* shown;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ShownCase& c, std::ostream* os) {
    *os << c.name;
}

class UCResultTableValues : public testing::TestWithParam<ShownCase> {};

TEST_P(UCResultTableValues, ShowTinyValuesAsZeroAndCutTheRestAfterFiveDecimals) {
    UCResultTable table;
    table.SetResultData(blockWith(16, 19, GetParam().value));
    EXPECT_EQ(shownText(gridOf(table), 17, 19).toStdString(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, UCResultTableValues,
    testing::Values(ShownCase{"BelowOneMillionthIsZero", 0.0000005f, "0"},
                    ShownCase{"CutNotRounded", 1.234567f, "1.23456"},
                    ShownCase{"NegativeCutTowardZero", -1.234567f, "-1.23456"},
                    ShownCase{"AllFiveDecimalsOfLargerValues", 123.456789f, "123.45678"},
                    ShownCase{"ShortestText", 0.875f, "0.875"}, ShownCase{"WholeNumber", 7.0f, "7"},
                    ShownCase{"SmallValuesInExponentForm", -2.0e-5f, "-1e-05"}),
    [](const testing::TestParamInfo<ShownCase>& info) { return std::string(info.param.name); });

TEST(UCResultTable, UsesTheUsersDecimalSeparator) {
    const orvo::test::LocaleScope comma(orvo::test::commaLocale());
    UCResultTable table;
    table.SetResultData(blockWith(0, 0, -1234.567f));
    EXPECT_EQ(shownText(gridOf(table), 1, 0).toStdString(), "-1234,567");
}

TEST(UCResultTable, EveryCallRefillsTheWholeGrid) {
    UCResultTable table;
    UCResultTable::ResultBlock block{};
    block.fill(2.5f);
    table.SetResultData(block);
    table.SetResultData(blockWith(3, 4, 9.0f));

    const QTableWidget& grid = gridOf(table);
    EXPECT_EQ(shownText(grid, 4, 4).toStdString(), "9");
    EXPECT_EQ(shownText(grid, 1, 0).toStdString(), "0");
    EXPECT_EQ(shownText(grid, 17, 19).toStdString(), "0");
    EXPECT_EQ(grid.item(0, 6)->text().toStdString(), "Correlation");
}

TEST(UCResultTable, GridFollowsTheSizeOnlyAboveTheMinimum) {
    UCResultTable table;
    table.show();
    const QTableWidget& grid = gridOf(table);
    const QRect before = grid.geometry();

    table.resize(orvo::twipsToPixelsX(table, 4000), orvo::twipsToPixelsY(table, 2000));
    EXPECT_EQ(grid.geometry(), before);

    table.resize(900, 500);
    EXPECT_EQ(grid.x(), orvo::twipsToPixelsX(table, 120));
    EXPECT_EQ(grid.width(), 900 - orvo::twipsToPixelsX(table, 360));
    EXPECT_EQ(grid.height(), 500 - grid.y() - orvo::twipsToPixelsY(table, 440));
}

TEST(ResultTable, ForwardsTheBlockAndTakesItsTitleFromTheHost) {
    orvo::test::FakeHost host;
    host.translations.insert(QString::fromLatin1(orvo::key::calculationResultTable),
                             QStringLiteral("Ergebnistabelle"));
    orvo::ResultTable window;

    window.SetResultData(blockWith(0, 6, 0.875f));
    window.translate(host);

    EXPECT_EQ(window.windowTitle().toStdString(), "Ergebnistabelle");
    EXPECT_EQ(host.calls, QStringList{"getTranslation(calculationResultTable)"});
    auto* table = window.findChild<UCResultTable*>(QStringLiteral("UCResultTable1"));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(shownText(gridOf(*table), 1, 6).toStdString(), "0.875");
}

} // namespace
