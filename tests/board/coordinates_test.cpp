#include "board/coordinates.h"

#include <gtest/gtest.h>

TEST(Coordinates, RoundTripsEverySquareBothWays)
{
    for (int a = 0; a < 9; ++a)
        for (int b = 0; b < 9; ++b) {
            const ColumnRow cr = ToColumnRow(a, b);
            const BoxCell back = ToBoxCell(cr.column, cr.row);
            EXPECT_EQ(back.box, a);
            EXPECT_EQ(back.cell, b);
            const BoxCell bc = ToBoxCell(a, b);
            const ColumnRow again = ToColumnRow(bc.box, bc.cell);
            EXPECT_EQ(again.column, a);
            EXPECT_EQ(again.row, b);
        }
}

TEST(Coordinates, KnownSquares)
{
    struct Case {
        int box, cell, column, row;
    };
    const Case cases[] = {
        {0, 0, 0, 0}, {4, 4, 4, 4}, {2, 6, 6, 2}, {6, 2, 2, 6}, {8, 8, 8, 8}, {5, 4, 7, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("box " + std::to_string(c.box) + " cell " + std::to_string(c.cell));
        const ColumnRow cr = ToColumnRow(c.box, c.cell);
        EXPECT_EQ(cr.column, c.column);
        EXPECT_EQ(cr.row, c.row);
    }
}
