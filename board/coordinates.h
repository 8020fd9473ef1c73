#pragma once

// Two ways to name a square: (box, cell), both 0-8 row by row, or
// (column, row), both 0-8 from the top left. A digit d is candidate d - 1,
// at sub-row (d - 1) / 3 and sub-column (d - 1) % 3 inside its square.

struct ColumnRow {
    int column;
    int row;
};

struct BoxCell {
    int box;
    int cell;
};

constexpr ColumnRow ToColumnRow(int box, int cell)
{
    return {(box % 3) * 3 + cell % 3, (box / 3) * 3 + cell / 3};
}

constexpr BoxCell ToBoxCell(int column, int row)
{
    return {(row / 3) * 3 + column / 3, (row % 3) * 3 + column % 3};
}
