#include "views/controls/GridSetup.h"

#include "model/CalibrationError.h"
#include "views/controls/Twips.h"

#include <QHeaderView>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

TEST(Twips, AnInchOfTwipsIsTheLogicalDpiInPixels) {
    QWidget widget;
    EXPECT_EQ(orvo::twipsToPixelsX(widget, orvo::twipsPerInch), widget.logicalDpiX());
    EXPECT_EQ(orvo::twipsToPixelsY(widget, orvo::twipsPerInch / 2), widget.logicalDpiY() / 2);
    EXPECT_EQ(orvo::pixelsToTwipsX(widget, widget.logicalDpiX()), orvo::twipsPerInch);
    EXPECT_EQ(orvo::pixelsToTwipsY(widget, orvo::twipsToPixelsY(widget, 4320)), 4320);
}

TEST(GridSetup, CaptionsAreAGreyReadOnlyFirstRowAndQtHeadersAreHidden) {
    QTableWidget grid;
    orvo::setUpGrid(grid, 3, {30, 130});
    orvo::setCaptionRow(grid, {QStringLiteral("*"), QStringLiteral("Date")});

    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.columnCount(), 2);
    EXPECT_FALSE(grid.horizontalHeader()->isVisibleTo(&grid));
    EXPECT_FALSE(grid.verticalHeader()->isVisibleTo(&grid));
    EXPECT_EQ(grid.columnWidth(1), qRound(130 * orvo::gridWidthScale(grid)));
    ASSERT_NE(grid.item(0, 1), nullptr);
    EXPECT_EQ(grid.item(0, 1)->text(), "Date");
    EXPECT_EQ(grid.item(0, 1)->background().color(), QColor(224, 224, 224));
    EXPECT_FALSE(grid.item(0, 1)->flags() & Qt::ItemIsEditable);
}

TEST(GridSetup, MoreCaptionsThanColumnsAreRefused) {
    QTableWidget grid;
    orvo::setUpGrid(grid, 1, {60});
    EXPECT_THROW(orvo::setCaptionRow(grid, {QStringLiteral("A"), QStringLiteral("B")}),
                 orvo::CalibrationError);
}

} // namespace
