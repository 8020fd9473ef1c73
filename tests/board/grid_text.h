#pragma once

#include "board/board.h"
#include "board/coordinates.h"

#include <string>

// A grid is written as 81 characters, row by row, '.' for an empty square.

// Puts the digits straight into the squares, then rebuilds the candidates;
// in Setup that makes every digit a given.
inline void LoadGrid(Board& board, const std::string& rows)
{
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            const BoxCell at = ToBoxCell(c, r);
            const char ch = rows[r * 9 + c];
            board.GetCell(at.box, at.cell).selected = ch == '.' ? 0 : ch - '0';
        }
    board.RecomputeCandidates();
}

inline std::string GridText(const Board& board)
{
    std::string rows;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            const BoxCell at = ToBoxCell(c, r);
            const int digit = board.GetDigit(at.box, at.cell);
            rows += digit == 0 ? '.' : static_cast<char>('0' + digit);
        }
    return rows;
}
