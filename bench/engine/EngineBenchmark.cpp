#include "BenchmarkData.h"
#include "NaiveBestSubsets.h"

#include <orvo/engine/regre.h>

#include <Eigen/QR>
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

// Every case runs on two kinds of data (BenchmarkData). "fresh" cases alternate between two
// matrices that differ in one value, so that every call selects and reduces its points anew;
// the others repeat a call on unchanged points, as the workbench does when it runs again with
// another number of variables or steps.
namespace {

using orvo::bench::BenchmarkData;
using orvo::bench::NaiveBestSubsets;
using Kind = BenchmarkData::Kind;
constexpr auto kMicros = benchmark::kMicrosecond;

void runOnce(std::vector<int32_t>& params, std::vector<float>& matrix,
             std::array<float, 340>& results) {
    benchmark::DoNotOptimize(regre(params.data(), matrix.data(), results.data()));
    benchmark::ClobberMemory();
}

void fullRun(benchmark::State& state, Kind kind, bool fresh) {
    BenchmarkData data(kind);
    auto params = BenchmarkData::controlBlock(static_cast<int>(state.range(0)), 0);
    std::array<float, 340> results{};
    bool other = false;
    for (auto _ : state) {
        other = fresh && !other;
        runOnce(params, data.matrix(other), results);
    }
}

// Sizes 1 to 5 in a row on new points, as after a change of the data.
void allSizes(benchmark::State& state, Kind kind) {
    BenchmarkData data(kind);
    std::array<float, 340> results{};
    bool other = false;
    for (auto _ : state) {
        other = !other;
        for (int size = 1; size <= 5; ++size) {
            auto params = BenchmarkData::controlBlock(size, 0);
            runOnce(params, data.matrix(other), results);
        }
    }
}

// A step from a row with range(0) signals; the row is put back before every call because the
// call overwrites it.
void step(benchmark::State& state, Kind kind, int mode, bool fresh) {
    const auto signals = static_cast<int>(state.range(0));
    BenchmarkData data(kind);
    auto params = BenchmarkData::controlBlock(signals + mode, mode);
    std::array<float, 340> results{};
    std::array<float, 5> origin{};
    for (int slot = 0; slot < signals; ++slot)
        origin[static_cast<size_t>(slot)] = static_cast<float>(2 * slot + 1);
    bool other = false;
    for (auto _ : state) {
        other = fresh && !other;
        std::copy(origin.begin(), origin.end(), results.begin() + 15);
        runOnce(params, data.matrix(other), results);
    }
}

void stepForward(benchmark::State& state, Kind kind, bool fresh) {
    step(state, kind, 1, fresh);
}

void stepBack(benchmark::State& state, Kind kind, bool fresh) {
    step(state, kind, -1, fresh);
}

// The baselines fit every subset the case above tries, each with its own QR.
void naiveRun(benchmark::State& state, Kind kind, const std::vector<std::vector<unsigned>>& runs) {
    BenchmarkData data(kind);
    for (auto _ : state) {
        for (const std::vector<unsigned>& subsets : runs)
            benchmark::DoNotOptimize(
                NaiveBestSubsets::run(data.matrix(), BenchmarkData::kPoints, subsets));
    }
}

void naiveFullRun(benchmark::State& state, Kind kind) {
    naiveRun(state, kind, {NaiveBestSubsets::ofSize(static_cast<int>(state.range(0)))});
}

void naiveAllSizes(benchmark::State& state, Kind kind) {
    std::vector<std::vector<unsigned>> runs;
    for (int size = 1; size <= 5; ++size)
        runs.push_back(NaiveBestSubsets::ofSize(size));
    naiveRun(state, kind, runs);
}

// The origin of step(): signals 1, 3, 5, ...
void naiveStep(benchmark::State& state, Kind kind, int mode) {
    unsigned origin = 0;
    for (int slot = 0; slot < state.range(0); ++slot)
        origin |= 1u << (2 * slot);
    naiveRun(state, kind, {NaiveBestSubsets::stepsFrom(origin, mode)});
}

// One Eigen QR of the constant, the ten signals and the lab value together. A call on new points
// does at least this: a subset's fit comes from this factor, so that it is the same in every
// call, whatever other subsets the call tries. This is the floor of every "fresh" case above.
void reduction(benchmark::State& state, Kind kind) {
    BenchmarkData data(kind);
    using Columns = Eigen::Matrix<double, Eigen::Dynamic, 12>;
    Columns columns(BenchmarkData::kPoints, 12);
    columns.col(0).setOnes();
    columns.rightCols<11>() = NaiveBestSubsets::columnsOf(data.matrix(), BenchmarkData::kPoints);
    for (auto _ : state) {
        const Eigen::HouseholderQR<Columns> qr(columns);
        benchmark::DoNotOptimize(qr.matrixQR().data());
    }
}

} // namespace

#define ENGINE_BENCHMARKS(kindName, kind)                                                          \
    BENCHMARK_CAPTURE(fullRun, kindName, kind, false)->DenseRange(1, 5)->Unit(kMicros);            \
    BENCHMARK_CAPTURE(fullRun, kindName##_fresh, kind, true)->DenseRange(1, 5)->Unit(kMicros);     \
    BENCHMARK_CAPTURE(allSizes, kindName##_fresh, kind)->Unit(kMicros);                            \
    BENCHMARK_CAPTURE(stepForward, kindName, kind, false)->DenseRange(1, 4)->Unit(kMicros);        \
    BENCHMARK_CAPTURE(stepBack, kindName, kind, false)->DenseRange(2, 5)->Unit(kMicros);           \
    BENCHMARK_CAPTURE(stepForward, kindName##_fresh, kind, true)->DenseRange(1, 4)->Unit(kMicros); \
    BENCHMARK_CAPTURE(stepBack, kindName##_fresh, kind, true)->DenseRange(2, 5)->Unit(kMicros);    \
    BENCHMARK_CAPTURE(reduction, kindName, kind)->Unit(kMicros);                                   \
    BENCHMARK_CAPTURE(naiveFullRun, kindName, kind)->DenseRange(1, 5)->Unit(kMicros);              \
    BENCHMARK_CAPTURE(naiveAllSizes, kindName, kind)->Unit(kMicros);                               \
    BENCHMARK_CAPTURE(naiveStep, kindName##_forward, kind, 1)->DenseRange(1, 4)->Unit(kMicros);    \
    BENCHMARK_CAPTURE(naiveStep, kindName##_back, kind, -1)->DenseRange(2, 5)->Unit(kMicros)

ENGINE_BENCHMARKS(centred, Kind::Centred);
ENGINE_BENCHMARKS(offsets, Kind::Offsets);
