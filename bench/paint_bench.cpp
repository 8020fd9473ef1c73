#include "bench/qt_bench_application.h"
#include "board/board.h"
#include "tests/view/sample_boards.h"
#include "view/board_painter.h"
#include "view/qt_canvas.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// Whole paints of a side x side board into an image, as the window paints
// itself at 96 dpi, fonts fitted afresh each time. The first paint of the
// process loads fonts and is left out.
void PaintLoop(benchmark::State& state, Board& board, QtCanvas::TextPath path)
{
    EnsureQtApplication();
    const int side = static_cast<int>(state.range(0));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    BoardPainter painter(board);
    auto paint = [&] {
        QPainter qp(&image);
        QtCanvas canvas(qp, 96, 96, path);
        painter.Paint(canvas, 0, 0, side, side, false);
    };
    paint();
    for (auto _ : state) {
        paint();
        benchmark::ClobberMemory();
    }
}

void BM_PaintBoard(benchmark::State& state)
{
    Board board;
    MakeHalfSolvedBoard(board);
    PaintLoop(state, board, QtCanvas::TextPath::Fast);
}
BENCHMARK(BM_PaintBoard)->Arg(351)->Arg(1026)->Unit(benchmark::kMillisecond);

// The same through QPainter as it comes, for comparison.
void BM_PaintBoardDirect(benchmark::State& state)
{
    Board board;
    MakeHalfSolvedBoard(board);
    PaintLoop(state, board, QtCanvas::TextPath::Direct);
}
BENCHMARK(BM_PaintBoardDirect)->Arg(351)->Arg(1026)->Unit(benchmark::kMillisecond);

void BM_PaintBoardAllCandidates(benchmark::State& state)
{
    Board board;
    board.SetMode(BoardMode::Playing);
    PaintLoop(state, board, QtCanvas::TextPath::Fast);
}
BENCHMARK(BM_PaintBoardAllCandidates)->Arg(1026)->Unit(benchmark::kMillisecond);

// Both fittings of a paint: a candidate's box and a square's.
void BM_FitFontSize(benchmark::State& state)
{
    EnsureQtApplication();
    const int unit = static_cast<int>(state.range(0)) / 27;
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    QPainter qp(&image);
    for (auto _ : state) {
        QtCanvas canvas(qp, 96, 96);
        benchmark::DoNotOptimize(BoardPainter::FitFontSize(canvas, "Arial", unit, unit));
        benchmark::DoNotOptimize(BoardPainter::FitFontSize(canvas, "Arial", 3 * unit, 3 * unit));
    }
}
BENCHMARK(BM_FitFontSize)->Arg(1026)->Unit(benchmark::kMicrosecond);

}  // namespace
