#pragma once

#include "board/board.h"
#include "board/coordinates.h"
#include "tests/board/grid_text.h"

#include <string>

// Boards to paint in tests, benchmarks and the screenshot.

// A puzzle's 30 givens, with 14 more digits placed while solving: 44 digits
// in Playing, the other squares showing their candidates.
inline void MakeHalfSolvedBoard(Board& board)
{
    board.Reset();
    LoadGrid(board,
             "53..7...."
             "6..195..."
             ".98....6."
             "8...6...3"
             "4..8.3..1"
             "7...2...6"
             ".6....28."
             "...419..5"
             "....8..79");
    board.SetMode(BoardMode::Playing);
    const std::string solution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
    // Every third empty square, in reading order.
    int empty = 0;
    int placed = 0;
    for (int square = 0; square < 81 && placed < 14; ++square) {
        const BoxCell at = ToBoxCell(square % 9, square / 9);
        if (board.GetDigit(at.box, at.cell) != 0 || empty++ % 3 != 0)
            continue;
        board.PlaceDigit(at.box, at.cell, solution[square] - '1');
        ++placed;
    }
}

// The same, with the first candidate of every fifth empty square hidden by hand.
inline void MakeScreenshotBoard(Board& board)
{
    MakeHalfSolvedBoard(board);
    int empty = 0;
    for (int square = 0; square < 81; ++square) {
        const BoxCell at = ToBoxCell(square % 9, square / 9);
        if (board.GetDigit(at.box, at.cell) != 0 || empty++ % 5 != 0)
            continue;
        for (int candidate = 0; candidate < 9; ++candidate)
            if (board.IsVisible(at.box, at.cell, candidate)) {
                board.SetVisible(at.box, at.cell, candidate, 0);
                break;
            }
    }
}
