#include <orvo/engine/regre.h>

#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <vector>

namespace {

constexpr int kPoints = 200;

// 200 usable points of grade 1 with ten independent signals.
std::vector<float> dataMatrix() {
    std::mt19937 random(1);
    std::uniform_real_distribution<float> uniform(-5, 5);
    std::vector<float> matrix(kPoints * 36, 0.0f);
    for (int point = 0; point < kPoints; ++point) {
        float* row = &matrix[static_cast<size_t>(point) * 36];
        for (int signal = 0; signal < 10; ++signal)
            row[5 + signal] = uniform(random);
        row[28] = 2 + 3 * row[5] - row[6] + 0.5f * row[9] + 0.1f * uniform(random);
        row[34] = 1;
    }
    return matrix;
}

std::array<int32_t, 19> controlBlock(int variables, int mode) {
    std::array<int32_t, 19> params{};
    params[0] = 1;
    params[2] = variables;
    params[3] = 1;
    params[8] = 1;
    params[13] = 1;
    params[14] = kPoints;
    params[16] = mode;
    return params;
}

void fullRun(benchmark::State& state) {
    std::vector<float> matrix = dataMatrix();
    auto params = controlBlock(static_cast<int>(state.range(0)), 0);
    std::array<float, 340> results{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(regre(params.data(), matrix.data(), results.data()));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(fullRun)->DenseRange(1, 5)->Unit(benchmark::kMicrosecond);

// A step from a row with range(0) signals; the row is put back before every call because
// the call overwrites it.
void step(benchmark::State& state, int mode) {
    const auto signals = static_cast<int>(state.range(0));
    std::vector<float> matrix = dataMatrix();
    auto params = controlBlock(signals + mode, mode);
    std::array<float, 340> results{};
    std::array<float, 5> origin{};
    for (int slot = 0; slot < signals; ++slot)
        origin[static_cast<size_t>(slot)] = static_cast<float>(2 * slot + 1);
    for (auto _ : state) {
        std::copy(origin.begin(), origin.end(), results.begin() + 15);
        benchmark::DoNotOptimize(regre(params.data(), matrix.data(), results.data()));
        benchmark::ClobberMemory();
    }
}
void stepForward(benchmark::State& state) {
    step(state, 1);
}
void stepBack(benchmark::State& state) {
    step(state, -1);
}
BENCHMARK(stepForward)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(stepBack)->DenseRange(2, 5)->Unit(benchmark::kMicrosecond);

} // namespace
