#pragma once

#include "board/board_mode.h"

#include <array>
#include <cstdint>

// One square of the grid. Flags are 0 or 1; candidate i stands for digit i + 1.
struct Cell {
    int32_t selected = 0;     // the digit, 0 when empty
    int32_t given = 0;        // 1 for a digit of the puzzle itself
    int32_t highlighted = 0;  // 1 while the square is the hovered one
    std::array<int32_t, 9> visible{1, 1, 1, 1, 1, 1, 1, 1, 1};

    void Reset();
    void Restart();
    void Place(int candidate, BoardMode mode);
    void ApplyKey(char ch, BoardMode mode);
    void CopyFrom(const Cell& other);
    void ResetVisible();

    bool HasDigit() const { return selected != 0; }
    bool IsVisible(int candidate) const { return visible[candidate] != 0; }
    void SetVisible(int candidate, int flag) { visible[candidate] = flag; }
    void SetHighlighted(int flag) { highlighted = flag; }
};
