#include "views/controls/GridSetup.h"

#include "model/CalibrationError.h"
#include "views/controls/Twips.h"

#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

TEST(Twips, AnInchOfTwipsIsTheLogicalDpiInPixels) {
    QWidget widget;
    EXPECT_EQ(orvo::twipsToPixelsX(widget, orvo::twipsPerInch), widget.logicalDpiX());
    EXPECT_EQ(orvo::pixelsToTwipsX(widget, widget.logicalDpiX()), orvo::twipsPerInch);
    EXPECT_EQ(orvo::pixelsToTwipsY(widget, orvo::twipsToPixelsY(widget, 4320)), 4320);
}

TEST(GridSetup, MoreCaptionsThanColumnsAreRefused) {
    QTableWidget grid;
    orvo::setUpGrid(grid, 1, {60});
    EXPECT_THROW(orvo::setCaptionRow(grid, {QStringLiteral("A"), QStringLiteral("B")}),
                 orvo::CalibrationError);
}

} // namespace
