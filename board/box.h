#pragma once

#include "board/cell.h"

#include <array>

// One 3x3 block: nine squares, cell k at row k / 3 and column k % 3.
struct Box {
    std::array<Cell, 9> cells;

    void Reset();
    void Restart();
    void ResetVisible();
    void CopyFrom(const Box& other);
    bool IsFull() const;
    bool HasDigit(int cell, int candidate) const { return cells[cell].selected == candidate + 1; }
};
