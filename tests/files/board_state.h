#pragma once

#include "board/board.h"

#include <cstdint>
#include <random>
#include <string>

// Everything a Board holds that a test can see, one line per square, so two
// states compare as text and a difference shows where it is.
inline std::string DescribeBoard(const Board& board)
{
    std::string text = "mode " + std::to_string(static_cast<int>(board.GetMode())) +
                       ", time " + std::to_string(board.GetTime()) +
                       ", modified " + std::to_string(board.IsModified()) +
                       ", file \"" + board.GetFileName() + "\"" +
                       ", hover " + std::to_string(board.GetHoverBox()) + "," + std::to_string(board.GetHoverCell()) +
                       ", last mouse " + std::to_string(board.GetLastMouseBox()) + "," +
                       std::to_string(board.GetLastMouseCell()) +
                       ", history " + std::to_string(board.GetHistorySize()) + "\n";
    for (int b = 0; b < 9; ++b)
        for (int c = 0; c < 9; ++c) {
            const Cell& cell = board.GetCell(b, c);
            text += std::to_string(b) + "," + std::to_string(c) + ": " + std::to_string(cell.selected) + " " +
                    std::to_string(cell.given) + " " + std::to_string(cell.highlighted) + " ";
            for (int32_t flag : cell.visible)
                text += std::to_string(flag);
            text += "\n";
        }
    return text;
}

// Fills every square with random values in their ranges, and sets a mode
// and the given time, without going through the rules.
inline void FillRandomly(Board& board, std::mt19937& random, uint32_t time)
{
    board.StoreMode(static_cast<BoardMode>(random() % 4));
    board.SetTime(time);
    for (int b = 0; b < 9; ++b)
        for (int c = 0; c < 9; ++c) {
            Cell& cell = board.GetCell(b, c);
            cell.selected = static_cast<int32_t>(random() % 10);
            cell.given = static_cast<int32_t>(random() % 2);
            cell.highlighted = static_cast<int32_t>(random() % 2);
            for (int32_t& flag : cell.visible)
                flag = static_cast<int32_t>(random() % 2);
        }
}
