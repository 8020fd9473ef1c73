#include "app/command_ids.h"
#include "app/main_window.h"
#include "bench/qt_bench_application.h"
#include "tests/app/paint_counter.h"
#include "view/board_window.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

// Runs the event loop for a while. QTest::qWait would wake every 10 ms and
// cost CPU of its own.
void RunEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

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

// CPU spent by a window whose clock runs in Playing for ten seconds, and
// what it repainted: the clock's status label once a second, nothing else.
void BM_IdleClockCpu(benchmark::State& state)
{
    double cpu = 0;
    QHash<QString, int> paints;
    EnsureQtApplication();
    for (auto _ : state) {
        MainWindow window;
        window.show();
        RunEventLoop(500);
        window.OnCommand(ID_MODE_PLAY);
        RunEventLoop(200);
        PaintCounter counter(&window);
        const double before = CpuMs();
        RunEventLoop(10000);
        cpu = CpuMs() - before;
        paints = counter.paints;
    }
    state.counters["cpu_ms_per_10s"] = cpu;
    for (auto it = paints.cbegin(); it != paints.cend(); ++it)
        state.counters[it.key().toStdString() + "_paints"] = it.value();
}
BENCHMARK(BM_IdleClockCpu)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
