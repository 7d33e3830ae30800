#include "LocaleScope.h"

#include <orvo/regression/CandidateText.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Result row 0: its coefficients, constant, correlation and slot signals.
struct Row {
    std::vector<float> coefficients;
    float constant;
    float correlation;
    std::vector<float> slotSignals;
};

std::optional<QString> textOf(const Row& row, const QLocale& locale = QLocale::c()) {
    orvo::CalcResults results{};
    std::ranges::copy(row.coefficients, results.begin());
    std::ranges::copy(row.slotSignals, results.begin() + orvo::block::FirstSignal);
    results[orvo::block::Constant] = row.constant;
    results[orvo::block::Correlation] = row.correlation;
    return orvo::candidateText(results, 0, QStringLiteral("correlation"), locale);
}

TEST(CandidateText, ListedRowsFollowTheBlankSignAndLocaleRules) {
    const std::tuple<const char*, Row, const char*> cases[] = {
        {"two terms",
         {{1.5f, -0.25f}, 12.5f, 0.95f, {1, 3}},
         "1.5 * DLed  - 0.25 * SLed  + 12.5 / correlation : 0.95"},
        {"zero constant is minus zero", {{2}, 0, 1, {4}}, "2 * ALaser  - 0 / correlation : 1"},
        {"zero coefficient in a used slot",
         {{3, 0}, 1, 0.5f, {2, 10}},
         "3 * ALed  - 0 * S10  + 1 / correlation : 0.5"},
        {"negative first coefficient",
         {{-4, 1}, -2, 0.9f, {5, 6}},
         " - 4 * SLaser  + 1 * DpLed  - 2 / correlation : 0.9"},
        {"empty middle slot is skipped",
         {{1, 0, 2}, 1, 0.8f, {7, 0, 9}},
         "1 * S7  + 2 * S9  + 1 / correlation : 0.8"},
        {"seven significant digits",
         {{0.123456789f}, 1234567.8f, 0.99999f, {8}},
         "0.1234568 * S8  + 1234568 / correlation : 0.99999"},
        {"no first slot", {{0, 1}, 1, 1, {0, 3}}, "<none>"},
        {"unknown signal", {{1, 1}, 1, 1, {2, 11}}, "<none>"},
        {"signal code not whole", {{1}, 1, 1, {2.5f}}, "<none>"},
        {"empty row", {{}, 0, 0, {}}, "<none>"},
    };
    for (const auto& [rule, row, expected] : cases)
        EXPECT_EQ(textOf(row).value_or("<none>"), QString::fromUtf8(expected)) << rule;
    EXPECT_EQ(textOf({{1.5f}, -0.25f, 0.95f, {1}}, orvo::test::commaLocale()),
              QStringLiteral("1,5 * DLed  - 0,25 / correlation : 0,95"));
}

} // namespace
