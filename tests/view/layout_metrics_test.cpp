#include "view/layout_metrics.h"

#include <gtest/gtest.h>

TEST(LayoutMetrics, UpdateMetricsDerivesUnitsByTruncation)
{
    struct Case {
        int width, height;
        int unitW, unitH, cellW, cellH, boxW, boxH;
    };
    const Case cases[] = {
        {351, 351, 13, 13, 39, 39, 117, 117},
        {459, 324, 17, 12, 51, 36, 153, 108},
        {290, 190, 10, 7, 30, 21, 90, 63},
        {26, 500, 0, 18, 0, 54, 0, 162},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        LayoutMetrics m;
        m.UpdateMetrics(5, 7, c.width, c.height);
        EXPECT_EQ(m.gridLeft, 5);
        EXPECT_EQ(m.gridTop, 7);
        EXPECT_EQ(m.gridWidth, c.width);
        EXPECT_EQ(m.gridHeight, c.height);
        EXPECT_EQ(m.candidateWidth, c.unitW);
        EXPECT_EQ(m.candidateHeight, c.unitH);
        EXPECT_EQ(m.cellWidth, c.cellW);
        EXPECT_EQ(m.cellHeight, c.cellH);
        EXPECT_EQ(m.boxWidth, c.boxW);
        EXPECT_EQ(m.boxHeight, c.boxH);
    }
}

TEST(LayoutMetrics, HitTestPoints)
{
    struct Case {
        const char* name;
        int width, height, x, y;
        bool hit;
        int box, cell, candidate;
    };
    const Case cases[] = {
        {"top-left pixel", 351, 351, 0, 0, true, 0, 0, 0},
        {"last pixel", 351, 351, 350, 350, true, 8, 8, 8},
        {"the worked example", 351, 351, 200, 60, true, 1, 5, 3},
        {"bottom right of the first square", 351, 351, 38, 38, true, 0, 0, 8},
        {"first pixel of the second square", 351, 351, 39, 0, true, 0, 1, 0},
        {"right edge is outside", 351, 351, 351, 10, false, 0, 0, 0},
        {"bottom edge is outside", 351, 351, 10, 351, false, 0, 0, 0},
        {"negative x", 351, 351, -1, 10, false, 0, 0, 0},
        {"negative y", 351, 351, 10, -1, false, 0, 0, 0},
        {"uneven axes", 459, 324, 458, 323, true, 8, 8, 8},
        {"strip beyond 27 units", 290, 190, 280, 100, false, 0, 0, 0},
        {"strip beyond 27 units, vertically", 290, 190, 10, 189, false, 0, 0, 0},
        {"last pixel inside the grid of an uneven size", 290, 190, 269, 188, true, 8, 8, 8},
        {"narrower than 27 pixels", 26, 351, 5, 5, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LayoutMetrics m;
        m.UpdateMetrics(0, 0, c.width, c.height);
        const auto hit = m.HitTest(c.x, c.y);
        ASSERT_EQ(hit.has_value(), c.hit);
        if (hit) {
            EXPECT_EQ(hit->box, c.box);
            EXPECT_EQ(hit->cell, c.cell);
            EXPECT_EQ(hit->candidate, c.candidate);
        }
    }
}

TEST(LayoutMetrics, NothingHitsBeforeTheFirstPaint)
{
    const LayoutMetrics m;
    EXPECT_FALSE(m.HitTest(0, 0).has_value());
    EXPECT_FALSE(m.HitTest(10, 10).has_value());
}

TEST(LayoutMetrics, HitTestHonoursTheGridOrigin)
{
    LayoutMetrics m;
    m.UpdateMetrics(100, 50, 351, 351);
    EXPECT_FALSE(m.HitTest(99, 60).has_value());
    const auto hit = m.HitTest(300, 110);
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(hit->box, 1);
    EXPECT_EQ(hit->cell, 5);
    EXPECT_EQ(hit->candidate, 3);
}

// Every pixel of a 351 x 351 board maps to the square and candidate that
// hold it: 13-pixel candidates, 39-pixel squares, 117-pixel boxes.
TEST(LayoutMetrics, EveryPixelOfA351Board)
{
    LayoutMetrics m;
    m.UpdateMetrics(0, 0, 351, 351);
    for (int y = 0; y < 351; ++y)
        for (int x = 0; x < 351; ++x) {
            const auto hit = m.HitTest(x, y);
            ASSERT_TRUE(hit.has_value()) << x << "," << y;
            const int column = x / 39, row = y / 39;
            ASSERT_EQ(hit->box, (row / 3) * 3 + column / 3) << x << "," << y;
            ASSERT_EQ(hit->cell, (row % 3) * 3 + column % 3) << x << "," << y;
            ASSERT_EQ(hit->candidate, ((y % 39) / 13) * 3 + (x % 39) / 13) << x << "," << y;
        }
}
