#pragma once

// Where the main window puts the board: 10 pixels in from the left and below
// the tool bar, as large as whole multiples of 27 pixels allow, so the grid's
// units are whole pixels and the board is covered exactly.
struct BoardPlacement {
    int x;
    int y;
    int width;
    int height;
};

constexpr BoardPlacement PlaceBoard(int clientWidth, int clientHeight, int toolBarHeight, int statusBarHeight)
{
    const int availableWidth = clientWidth - 20;
    const int availableHeight = clientHeight - (toolBarHeight + statusBarHeight + 15);
    const int width = 27 * (availableWidth / 27);
    const int height = 27 * (availableHeight / 27);
    return {10, toolBarHeight + 10, width > 0 ? width : 0, height > 0 ? height : 0};
}
