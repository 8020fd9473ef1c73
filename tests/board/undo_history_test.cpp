#include "board/board.h"
#include "board/undo_history.h"
#include "tests/board/grid_text.h"

#include <gtest/gtest.h>

namespace {

Snapshot Numbered(int n)
{
    Snapshot s{};
    s.mode = n;
    return s;
}

// Everything undo restores, for comparing two moments of a Board.
struct PuzzleState {
    std::vector<int> squares;
    BoardMode mode;
    bool modified;

    explicit PuzzleState(const Board& board) : mode(board.GetMode()), modified(board.IsModified())
    {
        for (int b = 0; b < 9; ++b)
            for (int k = 0; k < 9; ++k) {
                const Cell& c = board.GetCell(b, k);
                squares.push_back(c.selected);
                squares.push_back(c.given);
                squares.insert(squares.end(), c.visible.begin(), c.visible.end());
            }
    }
    bool operator==(const PuzzleState& o) const
    {
        return squares == o.squares && mode == o.mode && modified == o.modified;
    }
};

}  // namespace

TEST(UndoHistory, IsLastInFirstOutAcrossChunkBoundaries)
{
    UndoHistory history;
    const int depth = 1000;  // several chunks
    for (int n = 0; n < depth; ++n)
        history.Push(Numbered(n));
    ASSERT_EQ(history.Size(), static_cast<std::size_t>(depth));
    // Wobble across a boundary, then drain.
    for (int round = 0; round < 3; ++round) {
        history.Pop();
        history.Push(Numbered(depth - 1));
    }
    for (int n = depth - 1; n >= 0; --n) {
        ASSERT_EQ(history.Front().mode, n);
        history.Pop();
    }
    EXPECT_TRUE(history.Empty());
    history.Push(Numbered(7));
    EXPECT_EQ(history.Front().mode, 7);
    history.Clear();
    EXPECT_EQ(history.Size(), 0u);
}

TEST(UndoHistory, SnapshotPacksEverySquareField)
{
    Cell cell;
    cell.selected = 9;
    cell.given = 1;
    cell.highlighted = 1;
    cell.visible = {1, 0, 1, 0, 0, 1, 1, 0, 1};
    Cell back;
    back.highlighted = 1;
    Snapshot::Unpack(Snapshot::Pack(cell), back);
    EXPECT_EQ(back.selected, 9);
    EXPECT_EQ(back.given, 1);
    EXPECT_EQ(back.highlighted, 0);
    EXPECT_EQ(back.visible, cell.visible);
}

TEST(BoardUndo, ThreeActionsUndoneRestoreTheStateAndTheHistory)
{
    Board board;
    board.LeftClick(0, 0, 0);
    board.SetMode(BoardMode::Playing);
    board.SetModified(false);
    const PuzzleState before(board);
    const int depthBefore = board.GetHistorySize();

    board.LeftClick(4, 4, 4);
    board.RightClick(8, 8, 2);
    board.TypeKey('0');
    EXPECT_EQ(board.GetHistorySize(), depthBefore + 3);

    for (int i = 0; i < 3; ++i)
        board.Undo();
    EXPECT_TRUE(PuzzleState(board) == before);
    EXPECT_EQ(board.GetHistorySize(), depthBefore);
}

TEST(BoardUndo, RestoresModifiedAsItWasWhenTheSnapshotWasTaken)
{
    Board board;
    board.SetMode(BoardMode::Playing);
    board.LeftClick(0, 0, 0);  // snapshot with modified 0
    board.SetModified(false);  // as a save would
    board.LeftClick(1, 0, 1);  // snapshot with modified 0 again: taken after the save
    board.Undo();
    EXPECT_FALSE(board.IsModified());
    board.LeftClick(1, 0, 1);
    board.Undo();
    board.Undo();
    EXPECT_FALSE(board.IsModified());

    board.LeftClick(0, 0, 0);
    board.LeftClick(1, 0, 1);  // snapshot taken before any save: modified 1
    board.SetModified(false);
    board.Undo();
    EXPECT_TRUE(board.IsModified());
}

TEST(BoardUndo, LeavesTimeFileNameAndHoverAlone)
{
    Board board;
    board.MouseMove(true, 2, 2);
    board.TypeKey('3');
    board.SetTime(42000);
    board.SetFileName("/tmp/a.SUD");
    board.Undo();
    EXPECT_EQ(board.GetTime(), 42000u);
    EXPECT_EQ(board.GetFileName(), "/tmp/a.SUD");
    EXPECT_EQ(board.GetHoverBox(), 2);
    EXPECT_EQ(board.GetCell(2, 2).highlighted, 0);  // every highlight is lost
    // The hover comes back only when the mouse reaches another square.
    board.MouseMove(true, 2, 2);
    EXPECT_EQ(board.GetCell(2, 2).highlighted, 0);
}

TEST(BoardUndo, TenThousandActionsKeepTenThousandSnapshots)
{
    Board board;
    board.SetMode(BoardMode::Playing);
    for (int i = 0; i < 10000; ++i)
        board.TypeKey('0');
    EXPECT_EQ(board.GetHistorySize(), 10000);
}

TEST(BoardUndo, CopyFromTakesSquaresModeAndModifiedOnly)
{
    Board source;
    source.LeftClick(3, 3, 3);
    source.SetMode(BoardMode::Paused);
    source.SetTime(777);
    source.SetFileName("/tmp/s.SUD");
    Board copy;
    copy.MouseMove(true, 3, 3);
    copy.CopyFrom(source);
    EXPECT_EQ(GridText(copy), GridText(source));
    EXPECT_EQ(copy.GetCell(3, 3).given, 1);
    EXPECT_EQ(copy.GetMode(), BoardMode::Paused);
    EXPECT_TRUE(copy.IsModified());
    EXPECT_EQ(copy.GetTime(), 0u);
    EXPECT_EQ(copy.GetFileName(), "");
    EXPECT_EQ(copy.GetHistorySize(), 0);
    EXPECT_EQ(copy.GetCell(3, 3).highlighted, 0);
}
