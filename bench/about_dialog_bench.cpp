#include "app/about_dialog.h"
#include "bench/qt_bench_application.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

// What start-up pays before the splash can be mapped: the dialog, its four
// controls and its icon.
void BM_AboutDialogConstruct(benchmark::State& state)
{
    EnsureQtApplication();
    for (auto _ : state) {
        AboutDialog splash(1, 3000, nullptr);
        benchmark::DoNotOptimize(&splash);
    }
}
BENCHMARK(BM_AboutDialogConstruct)->Unit(benchmark::kMicrosecond);

// Construction, showing and the first paint of the splash.
void BM_AboutDialogShow(benchmark::State& state)
{
    EnsureQtApplication();
    for (auto _ : state) {
        AboutDialog splash(1, 3000, nullptr);
        splash.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(&splash);
    }
}
BENCHMARK(BM_AboutDialogShow)->Unit(benchmark::kMicrosecond);

}  // namespace
