// The fast text path of QtCanvas against the direct one, and the drawing on
// a high-resolution device against a scaled one: pixel for pixel.

#include "board/board.h"
#include "tests/view/paint_image.h"
#include "tests/view/sample_boards.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct BoardCase {
    std::string name;
    std::function<void(Board&)> make;
};

const std::vector<BoardCase>& Boards()
{
    static const std::vector<BoardCase> boards = {
        {"half solved", MakeHalfSolvedBoard},
        {"empty, every candidate", [](Board& b) { b.SetMode(BoardMode::Playing); }},
        {"paused", [](Board& b) {
             MakeHalfSolvedBoard(b);
             b.SetMode(BoardMode::Paused);
         }},
        {"setup with a hovered square", [](Board& b) {
             MakeHalfSolvedBoard(b);
             b.SetMode(BoardMode::Setup);
             b.SetHover(4, 4);
         }},
    };
    return boards;
}

// The first differing pixel, to say where two images part.
std::string FirstDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return "first at " + std::to_string(x) + "," + std::to_string(y) + ": "
                       + std::to_string(a.pixel(x, y)) + " against " + std::to_string(b.pixel(x, y));
    return "none";
}

TEST(PaintFidelity, TheFastTextPathDrawsTheSamePixelsAsTheDirectOne)
{
    struct Size {
        int side, ratio;
        bool printMode;
    };
    const Size sizes[] = {{351, 1, false}, {459, 1, false}, {1026, 1, false}, {351, 2, false},
                          {1026, 1, true}, {2160, 1, false}};
    for (const BoardCase& boardCase : Boards())
        for (const Size& size : sizes) {
            SCOPED_TRACE(boardCase.name + " at " + std::to_string(size.side) + " x" + std::to_string(size.ratio)
                         + (size.printMode ? ", print mode" : ""));
            Board board;
            boardCase.make(board);
            const QImage fast =
                PaintToImage(board, {size.side, size.side}, size.ratio, QtCanvas::TextPath::Fast, size.printMode);
            const QImage direct =
                PaintToImage(board, {size.side, size.side}, size.ratio, QtCanvas::TextPath::Direct, size.printMode);
            EXPECT_TRUE(fast == direct) << FirstDifference(fast, direct);
        }
}

TEST(PaintFidelity, ADeviceWithPixelRatio2GetsTheBoardAtFullResolution)
{
    for (const BoardCase& boardCase : Boards()) {
        SCOPED_TRACE(boardCase.name);
        Board board;
        boardCase.make(board);
        const QImage sharp = PaintToImage(board, {351, 351}, 2);

        // The same board drawn by a painter scaled by 2 into plain pixels.
        QImage scaled(702, 702, QImage::Format_ARGB32_Premultiplied);
        scaled.fill(Qt::magenta);
        {
            QPainter painter(&scaled);
            painter.scale(2, 2);
            QtCanvas canvas(painter, 96, 96);
            BoardPainter(board).Paint(canvas, 0, 0, 351, 351, false);
        }
        QImage comparable = sharp;
        comparable.setDevicePixelRatio(1);
        EXPECT_TRUE(comparable == scaled) << FirstDifference(comparable, scaled);

        // And not the 351-pixel drawing blown up.
        const QImage blown = PaintToImage(board, {351, 351}).scaled(702, 702);
        EXPECT_FALSE(comparable == blown);
    }
}

}  // namespace
