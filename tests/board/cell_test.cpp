#include "board/cell.h"

#include <gtest/gtest.h>

namespace {

Cell MakeCell(int selected, int given, int highlighted, int hiddenCandidate = -1)
{
    Cell c;
    c.selected = selected;
    c.given = given;
    c.highlighted = highlighted;
    if (hiddenCandidate >= 0)
        c.visible[hiddenCandidate] = 0;
    return c;
}

}  // namespace

TEST(Cell, ApplyKey)
{
    struct Case {
        const char* name;
        Cell before;
        char key;
        BoardMode mode;
        int selected, given, highlighted;
    };
    const Case cases[] = {
        {"digit with hidden candidate changes nothing", MakeCell(0, 0, 0, 4), '5', BoardMode::Setup, 0, 0, 0},
        {"digit in Setup becomes a given", MakeCell(0, 0, 0), '5', BoardMode::Setup, 5, 1, 0},
        {"digit in Playing leaves given alone", MakeCell(0, 0, 0), '5', BoardMode::Playing, 5, 0, 0},
        {"digit in Playing keeps a given flag", MakeCell(0, 1, 0), '5', BoardMode::Playing, 5, 1, 0},
        {"digit replaces a digit", MakeCell(7, 0, 0), '3', BoardMode::Playing, 3, 0, 0},
        {"zero changes nothing", MakeCell(4, 1, 1), '0', BoardMode::Playing, 4, 1, 1},
        {"dot empties a given in Playing", MakeCell(4, 1, 0), '.', BoardMode::Playing, 0, 0, 0},
        {"dot leaves highlighted alone", MakeCell(4, 1, 1), '.', BoardMode::Setup, 0, 0, 1},
        {"other character changes nothing", MakeCell(4, 0, 0), 'x', BoardMode::Setup, 4, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Cell cell = c.before;
        cell.ApplyKey(c.key, c.mode);
        EXPECT_EQ(cell.selected, c.selected);
        EXPECT_EQ(cell.given, c.given);
        EXPECT_EQ(cell.highlighted, c.highlighted);
        EXPECT_EQ(cell.visible, c.before.visible);
    }
}

TEST(Cell, PlaceClearsHighlightAndSetsGivenOnlyInSetup)
{
    Cell playing = MakeCell(0, 1, 1);
    playing.Place(3, BoardMode::Playing);
    EXPECT_EQ(playing.selected, 4);
    EXPECT_EQ(playing.given, 1);
    EXPECT_EQ(playing.highlighted, 0);

    Cell setup;
    setup.Place(8, BoardMode::Setup);
    EXPECT_EQ(setup.selected, 9);
    EXPECT_EQ(setup.given, 1);
    EXPECT_TRUE(setup.IsVisible(8));  // candidate flags are the Board's business
}

TEST(Cell, RestartKeepsAGivenSquareWhole)
{
    Cell given = MakeCell(6, 1, 1, 2);
    given.Restart();
    EXPECT_EQ(given.selected, 6);
    EXPECT_EQ(given.given, 1);
    EXPECT_EQ(given.highlighted, 1);
    EXPECT_FALSE(given.IsVisible(2));

    Cell placed = MakeCell(6, 0, 1, 2);
    placed.Restart();
    EXPECT_EQ(placed.selected, 0);
    EXPECT_EQ(placed.highlighted, 0);
    EXPECT_TRUE(placed.IsVisible(2));
}

TEST(Cell, CopyFromNeverCarriesTheHighlight)
{
    const Cell source = MakeCell(2, 1, 1, 7);
    Cell copy = MakeCell(0, 0, 1);
    copy.CopyFrom(source);
    EXPECT_EQ(copy.selected, 2);
    EXPECT_EQ(copy.given, 1);
    EXPECT_EQ(copy.highlighted, 0);
    EXPECT_EQ(copy.visible, source.visible);
}
