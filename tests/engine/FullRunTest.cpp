#include "EngineHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace orvo::test {
namespace {

using RowValues = std::array<float, 20>;
using Fits = std::map<std::vector<int>, RowValues>;

std::vector<int> signalsOf(const RowValues& row) {
    std::vector<int> signals;
    for (size_t slot = kFirstSignal; slot < 20 && row[slot] != 0; ++slot)
        signals.push_back(static_cast<int>(row[slot]));
    return signals;
}

// Every subset of a size fitted on its own, through steps: a step writes a row for each subset
// it tries. A subset reached from several origins must come out the same from each.
Fits fitsOneByOne(EngineHarness& harness, int size) {
    std::vector<std::vector<int>> origins;
    for (unsigned bits = 0; bits < 1024; ++bits) {
        std::vector<int> origin;
        for (int signal = 1; signal <= 10; ++signal) {
            if ((bits >> (signal - 1) & 1) != 0)
                origin.push_back(signal);
        }
        // One signal less, or for single signals the pairs 1 2, 3 4, ... stepped back from.
        if (size > 1 ? origin.size() == static_cast<size_t>(size - 1)
                     : origin.size() == 2 && origin[1] == origin[0] + 1 && origin[0] % 2 == 1)
            origins.push_back(origin);
    }
    Fits fits;
    harness.fullRun(size);
    for (const std::vector<int>& origin : origins) {
        harness.results.fill(0);
        std::copy(origin.begin(), origin.end(), harness.results.begin() + kFirstSignal);
        const int written = harness.step(size > 1 ? 1 : -1, 0);
        for (int index = 0; index < written; ++index) {
            RowValues row;
            std::ranges::copy(harness.row(index), row.begin());
            const auto [found, added] = fits.emplace(signalsOf(row), row);
            EXPECT_TRUE(added || found->second == row) << testing::PrintToString(found->first);
        }
    }
    return fits;
}

// The order of the result rows on the values as written.
bool ranksBefore(const RowValues& first, const RowValues& second) {
    if (first[kCorrelation] != second[kCorrelation])
        return first[kCorrelation] > second[kCorrelation];
    if (first[kStandardError] != second[kStandardError])
        return first[kStandardError] < second[kStandardError];
    return signalsOf(first) < signalsOf(second);
}

using PointMaker = std::function<void(Signals&, float& lab, std::mt19937&)>;

EngineHarness pointsOf(int count, const PointMaker& make, std::mt19937& random) {
    EngineHarness harness;
    for (int point = 0; point < count; ++point) {
        Signals signals = randomSignals(random);
        float lab = 0;
        make(signals, lab, random);
        harness.addPoint(signals, lab);
    }
    return harness;
}

float noise(std::mt19937& random, float size) {
    return std::uniform_real_distribution<float>(-size, size)(random);
}

// A full run lists exactly the best 17 of the subsets that steps fit one at a time,
// however close the data come to the screen's limits.
TEST(FullRun, ListsTheBestOfTheSubsetsFittedOneByOne) {
    const auto linear = [](const Signals& s) {
        return 3 * s[0] - 2 * s[1] + 0.5f * s[4];
    };
    const std::vector<std::tuple<std::string, int, PointMaker>> kinds{
        {"well conditioned", 200,
         [&](Signals& s, float& lab, std::mt19937& r) {
             lab = 2 + linear(s) + noise(r, 1);
         }},
        {"offsets and near-collinear pairs", 200,
         [&](Signals& s, float& lab, std::mt19937& r) {
             s[1] = s[0] + noise(r, 1e-3f);
             s[5] = 2 * s[4] + noise(r, 1e-5f);
             lab = 50 + linear(s) + noise(r, 0.1f);
             for (size_t j = 0; j < 10; ++j)
                 s[j] += 1e4f * static_cast<float>(j + 1);
         }},
        {"huge offsets", 100,
         [&](Signals& s, float& lab, std::mt19937& r) {
             lab = 4e6f + linear(s) + noise(r, 0.5f);
             for (float& value : s)
                 value += 1e6f;
         }},
        // Spreads of about 2^-20 of the values: at the dependency tolerance.
        {"tiny variances", 60,
         [&](Signals& s, float& lab, std::mt19937& r) {
             lab = 1 + linear(s) + noise(r, 0.01f);
             for (size_t j = 2; j < 6; ++j)
                 s[j] = 1000 + s[j] * 1e-4f * static_cast<float>(j * j);
         }},
        // Duplicated signals tie exactly, down to the last rows.
        {"ties", 40,
         [&](Signals& s, float& lab, std::mt19937& r) {
             s[3] = s[2];
             s[7] = s[6];
             s[9] = s[8];
             lab = noise(r, 1);
         }},
        // Correlations that round to 1, ranked by their errors.
        {"nearly exact", 50,
         [&](Signals& s, float& lab, std::mt19937& r) {
             lab = s[0] + 1e-6f * noise(r, 1);
         }},
        {"constant, zero and dependent signals", 30,
         [&](Signals& s, float& lab, std::mt19937& r) {
             s[1] = 5;
             s[2] = 0;
             s[8] = s[6] + s[7];
             lab = linear(s) + noise(r, 1);
         }},
        {"powers", 21,
         [](Signals& s, float& lab, std::mt19937& r) {
             const float x = std::floor(10 + noise(r, 10));
             for (size_t power = 0; power < 5; ++power)
                 s[power] = std::pow(x, static_cast<float>(power + 1));
             lab = s[4] - s[3] + noise(r, 100);
         }},
        {"constant lab value", 30,
         [](Signals&, float& lab, std::mt19937&) {
             lab = 3;
         }},
        {"seven points", 7, [&](Signals& s, float& lab, std::mt19937& r) {
             lab = linear(s) + noise(r, 1);
         }}};
    for (const auto& [name, count, make] : kinds) {
        for (unsigned seed = 1; seed <= 3; ++seed) {
            std::mt19937 random(seed);
            EngineHarness harness = pointsOf(count, make, random);
            for (int size = 1; size <= 5; ++size) {
                SCOPED_TRACE(testing::Message() << name << ", seed " << seed << ", " << size);
                const Fits fits = fitsOneByOne(harness, size);
                std::vector<RowValues> expected;
                for (const auto& entry : fits)
                    expected.push_back(entry.second);
                std::ranges::sort(expected, ranksBefore);
                expected.resize(std::min<size_t>(expected.size(), 17), RowValues{});
                harness.fullRun(size);
                ASSERT_EQ(harness.run(), static_cast<int>(expected.size()));
                for (size_t row = 0; row < expected.size(); ++row)
                    EXPECT_TRUE(
                        std::ranges::equal(harness.row(static_cast<int>(row)), expected[row]))
                        << "row " << row;
            }
        }
    }
}

} // namespace
} // namespace orvo::test
