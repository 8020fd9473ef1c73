#include "view/layout_metrics.h"

void LayoutMetrics::UpdateMetrics(int32_t left, int32_t top, int32_t width, int32_t height)
{
    gridLeft = left;
    gridTop = top;
    gridWidth = width;
    gridHeight = height;
    candidateWidth = width / 27;
    candidateHeight = height / 27;
    cellWidth = 3 * candidateWidth;
    cellHeight = 3 * candidateHeight;
    boxWidth = 9 * candidateWidth;
    boxHeight = 9 * candidateHeight;
}

std::optional<SquareHit> LayoutMetrics::HitTest(int32_t px, int32_t py) const
{
    // Left and top edges inside, right and bottom edges outside.
    if (px < gridLeft || py < gridTop || px >= gridLeft + gridWidth || py >= gridTop + gridHeight)
        return std::nullopt;
    if (candidateWidth == 0 || candidateHeight == 0)
        return std::nullopt;
    const int32_t x = px - gridLeft;
    const int32_t y = py - gridTop;
    if (x >= 27 * candidateWidth || y >= 27 * candidateHeight)
        return std::nullopt;
    SquareHit hit;
    hit.box = (y / boxHeight) * 3 + x / boxWidth;
    hit.cell = ((y % boxHeight) / cellHeight) * 3 + (x % boxWidth) / cellWidth;
    hit.candidate = ((y % cellHeight) / candidateHeight) * 3 + (x % cellWidth) / candidateWidth;
    return hit;
}
