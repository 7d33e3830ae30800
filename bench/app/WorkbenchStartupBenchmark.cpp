// Process start to the first painted window: orvo-workbench on the demo
// data, offscreen, quitting right after its first paint.
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void startToFirstPaint(benchmark::State& state) {
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    for (auto _ : state) {
        QProcess workbench;
        workbench.setProcessEnvironment(environment);
        workbench.start(QStringLiteral(ORVO_WORKBENCH_PATH),
                        {QStringLiteral("--quit-after-first-paint")});
        if (!workbench.waitForFinished(30'000) || workbench.exitCode() != 0) {
            state.SkipWithError("the workbench did not start and quit");
            return;
        }
    }
}
BENCHMARK(startToFirstPaint)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
