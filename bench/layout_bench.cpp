#include "view/layout_metrics.h"

#include <benchmark/benchmark.h>

namespace {

void BM_HitTest(benchmark::State& state)
{
    LayoutMetrics m;
    m.UpdateMetrics(0, 0, 351, 351);
    int x = 0, y = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(m.HitTest(x, y));
        x = (x + 37) % 360;
        y = (y + 23) % 360;
    }
}
BENCHMARK(BM_HitTest);

}  // namespace
