#include "app/command_ids.h"
#include "bench/qt_bench_application.h"
#include "app/main_window.h"
#include "view/board_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

double CpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Construct the main window, show it and run the event loop until the board
// has painted once: what a person waits for after the splash.
void BM_MainWindowShow(benchmark::State& state)
{
    EnsureQtApplication();
    for (auto _ : state) {
        MainWindow window;
        window.show();
        while (window.GetBoardWindow()->PaintCount() == 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}
BENCHMARK(BM_MainWindowShow)->Unit(benchmark::kMillisecond);

// CPU spent by a window whose clock runs in Playing for ten seconds.
void BM_IdleClockCpu(benchmark::State& state)
{
    double cpu = 0;
    int paints = 0;
    EnsureQtApplication();
    for (auto _ : state) {
        MainWindow window;
        window.show();
        QTest::qWait(500);
        window.OnCommand(ID_MODE_PLAY);
        QTest::qWait(200);
        const int paintsBefore = window.GetBoardWindow()->PaintCount();
        const double before = CpuMs();
        QTest::qWait(10000);
        cpu = CpuMs() - before;
        paints = window.GetBoardWindow()->PaintCount() - paintsBefore;
    }
    state.counters["cpu_ms_per_10s"] = cpu;
    state.counters["board_paints"] = paints;
}
BENCHMARK(BM_IdleClockCpu)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
