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
             "2.9..1..."
             ".71..8.2."
             ".4..5.1.."
             ".37.2...6"
             "92416...."
             "......49."
             "78....2.."
             "5127...4."
             ".......7.");
    board.SetMode(BoardMode::Playing);
    const std::string solution = "259671834671348925348259167837924516924165783165837492786493251512786349493512678";
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
