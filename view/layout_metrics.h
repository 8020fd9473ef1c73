#pragma once

#include <cstdint>
#include <optional>

// Where a mouse position lands on the grid.
struct SquareHit {
    int box;
    int cell;
    int candidate;
};

// The grid's pixel layout: 27 equal units along each axis, a candidate one
// unit, a square three, a box nine. Painting writes it, hit-testing reads it,
// so a click always lands where the square was drawn.
struct LayoutMetrics {
    int32_t gridLeft = 0;
    int32_t gridTop = 0;
    int32_t gridWidth = 0;
    int32_t gridHeight = 0;
    int32_t boxWidth = 0;
    int32_t boxHeight = 0;
    int32_t cellWidth = 0;
    int32_t cellHeight = 0;
    int32_t candidateWidth = 0;
    int32_t candidateHeight = 0;

    void UpdateMetrics(int32_t left, int32_t top, int32_t width, int32_t height);

    // A miss outside the painted rectangle, in the strip beyond 27 units, and
    // everywhere while a unit is 0 (before the first paint).
    std::optional<SquareHit> HitTest(int32_t x, int32_t y) const;
};
