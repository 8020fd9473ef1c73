#include "board/board.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

// A board half full of digits, like one in the middle of a solve.
void HalfFill(Board& board)
{
    const char* rows =
        "534678912"
        "672195348"
        "198342567"
        "859761423"
        "426......"
        "........."
        "........."
        "........."
        ".........";
    board.SetMode(BoardMode::Playing);
    for (int i = 0; i < 81; ++i)
        if (rows[i] != '.') {
            const int r = i / 9, c = i % 9;
            board.GetCell((r / 3) * 3 + c / 3, (r % 3) * 3 + c % 3).selected = rows[i] - '0';
        }
    board.RecomputeCandidates();
}

void BM_PlaceDigit(benchmark::State& state)
{
    Board board;
    board.SetMode(BoardMode::Playing);
    int n = 0;
    for (auto _ : state) {
        board.PlaceDigit(n % 9, (n / 9) % 9, n % 9);
        ++n;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlaceDigit);

void BM_RecomputeCandidates(benchmark::State& state)
{
    Board board;
    HalfFill(board);
    for (auto _ : state) {
        board.RecomputeCandidates();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RecomputeCandidates);

// A typed key: a snapshot, the change and a recompute. The history is
// emptied now and then, off the clock, so it stays shallow.
void BM_TypeKey(benchmark::State& state)
{
    Board board;
    HalfFill(board);
    board.MouseMove(true, 8, 8);
    int n = 0;
    for (auto _ : state) {
        board.TypeKey(n % 2 ? '.' : '5');
        if (++n % 4096 == 0) {
            state.PauseTiming();
            board.ClearHistory();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_TypeKey);

void BM_PushSnapshotUndo(benchmark::State& state)
{
    Board board;
    HalfFill(board);
    for (int i = 0; i < state.range(0); ++i)
        board.PushSnapshot();
    for (auto _ : state) {
        board.PushSnapshot();
        board.Undo();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PushSnapshotUndo)->Arg(10)->Arg(100000);

// Memory of a deep history as the allocator sees it, not as sizeof says.
void BM_HistoryMemory(benchmark::State& state)
{
    const int count = 1000000;
    double perSnapshot = 0;
    for (auto _ : state) {
        Board board;
        HalfFill(board);
        malloc_trim(0);
        const struct mallinfo2 before = mallinfo2();
        for (int i = 0; i < count; ++i)
            board.PushSnapshot();
        const struct mallinfo2 after = mallinfo2();
        const double used = static_cast<double>((after.uordblks + after.hblkhd) - (before.uordblks + before.hblkhd));
        perSnapshot = used / count;
        benchmark::DoNotOptimize(board.GetHistorySize());
    }
    state.counters["bytes_per_snapshot"] = perSnapshot;
}
BENCHMARK(BM_HistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
