#include "board/board.h"
#include "board/coordinates.h"
#include "tests/board/grid_text.h"
#include "tests/board/recording_host.h"

#include <gtest/gtest.h>

// A whole puzzle played through the model as a person would: givens clicked
// in Setup, every other square clicked in Playing, then all of it undone.
TEST(WholePuzzle, SetUpPlaySolveAndUndoEverything)
{
    const std::string puzzle =
        "53..7...."
        "6..195..."
        ".98....6."
        "8...6...3"
        "4..8.3..1"
        "7...2...6"
        ".6....28."
        "...419..5"
        "....8..79";
    const std::string solution =
        "534678912"
        "672195348"
        "198342567"
        "859761423"
        "426853791"
        "713924856"
        "961537284"
        "287419635"
        "345286179";

    Board board;
    RecordingHost host;
    board.SetHost(&host);

    int clicks = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const std::string& digits = pass == 0 ? puzzle : solution;
        if (pass == 1)
            board.SetMode(BoardMode::Playing);
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 9; ++c) {
                const char ch = digits[r * 9 + c];
                const BoxCell at = ToBoxCell(c, r);
                if (ch == '.' || board.GetDigit(at.box, at.cell) != 0)
                    continue;
                ASSERT_TRUE(board.IsVisible(at.box, at.cell, ch - '1')) << "row " << r << " column " << c;
                host.calls.clear();
                board.LeftClick(at.box, at.cell, ch - '1');
                ++clicks;
                ASSERT_EQ(board.GetDigit(at.box, at.cell), ch - '0');
                ASSERT_EQ(board.GetCell(at.box, at.cell).given, pass == 0 ? 1 : 0);
            }
    }

    EXPECT_EQ(clicks, 81);
    EXPECT_EQ(GridText(board), solution);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"repaint", "post 1925", "post 1926"}));
    EXPECT_EQ(board.GetMode(), BoardMode::Complete);
    EXPECT_FALSE(board.IsModified());
    EXPECT_EQ(board.GetHistorySize(), 81);

    board.Undo();
    EXPECT_EQ(board.GetMode(), BoardMode::Playing);
    EXPECT_TRUE(board.IsModified());
    EXPECT_FALSE(board.IsComplete());
    while (board.GetHistorySize() > 0)
        board.Undo();

    EXPECT_EQ(GridText(board), std::string(81, '.'));
    EXPECT_EQ(board.GetMode(), BoardMode::Setup);
    EXPECT_FALSE(board.IsModified());
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k)
            for (int i = 0; i < 9; ++i)
                ASSERT_TRUE(board.IsVisible(b, k, i));
}
