#include "board/board.h"
#include "board/coordinates.h"
#include "tests/board/grid_text.h"

#include <gtest/gtest.h>

namespace {

// Counts the squares whose flag for a candidate is 0.
int HiddenCount(const Board& board, int candidate)
{
    int n = 0;
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k)
            n += board.IsVisible(b, k, candidate) ? 0 : 1;
    return n;
}

bool IsPeer(int box, int cell, int ofBox, int ofCell)
{
    const ColumnRow a = ToColumnRow(box, cell);
    const ColumnRow b = ToColumnRow(ofBox, ofCell);
    return box == ofBox || a.row == b.row || a.column == b.column;
}

}  // namespace

TEST(BoardRules, NewBoardIsEmptySetup)
{
    Board board;
    EXPECT_EQ(board.GetMode(), BoardMode::Setup);
    EXPECT_FALSE(board.IsModified());
    EXPECT_EQ(board.GetFileName(), "");
    EXPECT_EQ(board.GetTime(), 0u);
    EXPECT_EQ(board.GetHoverBox(), -1);
    EXPECT_EQ(board.GetHoverCell(), -1);
    EXPECT_EQ(board.GetLastMouseBox(), 0);
    EXPECT_EQ(board.GetLastMouseCell(), 0);
    EXPECT_EQ(board.GetHistorySize(), 0);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(HiddenCount(board, i), 0);
    EXPECT_EQ(GridText(board), std::string(81, '.'));
}

TEST(BoardRules, PlaceDigitClearsTheCandidateInExactlyTwentyOneSquares)
{
    for (const BoardMode mode : {BoardMode::Playing, BoardMode::Setup}) {
        SCOPED_TRACE(static_cast<int>(mode));
        Board board;
        board.SetMode(mode);
        board.PlaceDigit(4, 4, 4);  // a 5 in the centre square
        EXPECT_EQ(board.GetDigit(4, 4), 5);
        EXPECT_EQ(board.GetCell(4, 4).given, mode == BoardMode::Setup ? 1 : 0);
        EXPECT_TRUE(board.IsModified());
        EXPECT_EQ(HiddenCount(board, 4), 21);
        for (int b = 0; b < 9; ++b)
            for (int k = 0; k < 9; ++k) {
                EXPECT_EQ(board.IsVisible(b, k, 4), !IsPeer(b, k, 4, 4));
                for (int other = 0; other < 9; ++other) {
                    if (other != 4) {
                        EXPECT_TRUE(board.IsVisible(b, k, other));
                    }
                }
            }
    }
}

TEST(BoardRules, CanPlace)
{
    Board board;
    board.SetMode(BoardMode::Playing);
    board.PlaceDigit(0, 0, 4);  // 5 at column 0, row 0
    board.SetVisible(8, 8, 2, 0);
    struct Case {
        const char* name;
        int box, cell, candidate;
        bool allowed;
    };
    const Case cases[] = {
        {"the square's own digit", 0, 0, 4, false},
        {"same row", 2, 2, 4, false},
        {"same column", 6, 6, 4, false},
        {"same box", 0, 8, 4, false},
        {"unrelated square", 4, 4, 4, true},
        {"another digit", 2, 2, 5, true},
        {"own flag hidden but no conflict", 8, 8, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(board.CanPlace(c.box, c.cell, c.candidate), c.allowed);
    }
}

TEST(BoardRules, RecomputeCandidatesOnEmptyGridKeepsModified)
{
    Board board;
    board.SetVisible(3, 3, 3, 0);
    board.SetModified(false);
    board.RecomputeCandidates();
    EXPECT_EQ(HiddenCount(board, 3), 0);
    EXPECT_FALSE(board.IsModified());
}

TEST(BoardRules, RecomputeCandidatesMakesGivensOnlyInSetup)
{
    Board board;
    board.SetMode(BoardMode::Playing);
    board.PlaceDigit(0, 0, 0);
    board.PlaceDigit(4, 4, 1);
    board.RecomputeCandidates();
    EXPECT_EQ(board.GetCell(0, 0).given, 0);
    EXPECT_EQ(board.GetCell(4, 4).given, 0);

    board.SetMode(BoardMode::Setup);
    board.RecomputeCandidates();
    EXPECT_EQ(board.GetCell(0, 0).given, 1);
    EXPECT_EQ(board.GetCell(4, 4).given, 1);
}

TEST(BoardRules, RecomputeCandidatesBringsBackARemovedDigit)
{
    Board board;
    board.SetMode(BoardMode::Playing);
    board.PlaceDigit(0, 0, 6);  // 7 top left
    board.PlaceDigit(2, 8, 6);  // 7 at column 8, row 2
    board.GetCell(0, 0).selected = 0;
    board.RecomputeCandidates();
    // Only the remaining 7 blocks: its row, column and box.
    EXPECT_EQ(HiddenCount(board, 6), 21);
    EXPECT_TRUE(board.IsVisible(0, 0, 6));
    EXPECT_FALSE(board.IsVisible(0, 6, 6));  // column 0, row 2: shares row 2
    EXPECT_TRUE(board.IsModified());
}

TEST(BoardRules, IsCompleteLooksOnlyAtFullness)
{
    Board board;
    const std::string repeated(81, '1');  // a full grid of ones: only a file can make one
    LoadGrid(board, repeated);
    EXPECT_TRUE(board.IsComplete());
    board.GetCell(8, 8).selected = 0;
    EXPECT_FALSE(board.IsComplete());
}

TEST(BoardRules, ResetKeepsTimeAndLastMouseSquare)
{
    Board board;
    board.SetMode(BoardMode::Playing);
    board.SetTime(5000);
    board.MouseMove(true, 3, 7);
    board.LeftClick(1, 1, 1);
    board.SetFileName("/tmp/x.SUD");
    board.Reset();
    EXPECT_EQ(GridText(board), std::string(81, '.'));
    EXPECT_EQ(board.GetMode(), BoardMode::Setup);
    EXPECT_FALSE(board.IsModified());
    EXPECT_EQ(board.GetFileName(), "");
    EXPECT_EQ(board.GetTime(), 5000u);
    EXPECT_EQ(board.GetLastMouseBox(), 3);
    EXPECT_EQ(board.GetLastMouseCell(), 7);
    EXPECT_EQ(board.GetHistorySize(), 0);
}

TEST(BoardRules, RestartKeepsOnlyTheGivens)
{
    Board board;
    board.LeftClick(0, 0, 4);  // given 5 top left
    board.SetMode(BoardMode::Playing);
    board.LeftClick(4, 4, 8);  // placed 9 in the centre
    board.SetVisible(8, 8, 0, 0);
    board.SetTime(90000);
    board.SetFileName("/tmp/x.SUD");
    board.MouseMove(true, 5, 5);
    ASSERT_GT(board.GetHistorySize(), 0);

    board.Restart();
    EXPECT_EQ(board.GetDigit(0, 0), 5);
    EXPECT_EQ(board.GetDigit(4, 4), 0);
    EXPECT_EQ(HiddenCount(board, 4), 21);  // only the given 5 blocks anything
    EXPECT_EQ(HiddenCount(board, 8), 0);
    EXPECT_EQ(HiddenCount(board, 0), 0);
    EXPECT_EQ(board.GetMode(), BoardMode::Playing);
    EXPECT_EQ(board.GetTime(), 0u);
    EXPECT_FALSE(board.IsModified());
    EXPECT_EQ(board.GetFileName(), "");
    EXPECT_EQ(board.GetHistorySize(), 0);
    EXPECT_EQ(board.GetLastMouseBox(), 5);
}
