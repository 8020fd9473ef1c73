#include "board/board.h"
#include "tests/board/grid_text.h"
#include "tests/board/recording_host.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Calls = std::vector<std::string>;

namespace {

class Interaction : public ::testing::Test {
protected:
    Interaction() { board.SetHost(&host); }

    // Forget what setting up the case asked of the host.
    void StartRecording() { host.calls.clear(); }

    Board board;
    RecordingHost host;
};

}  // namespace

TEST_F(Interaction, LeftClickPlacesOnlyWhereAllowed)
{
    struct Case {
        const char* name;
        BoardMode mode;
        bool fillSquare;
        bool hideCandidate;
        bool places;
    };
    const Case cases[] = {
        {"Setup, empty square, shown candidate", BoardMode::Setup, false, false, true},
        {"Playing, empty square, shown candidate", BoardMode::Playing, false, false, true},
        {"filled square", BoardMode::Playing, true, false, false},
        {"hidden candidate", BoardMode::Playing, false, true, false},
        {"Paused", BoardMode::Paused, false, false, false},
        {"Complete", BoardMode::Complete, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        board.Reset();
        board.SetMode(c.mode);
        if (c.fillSquare)
            board.GetCell(3, 3).selected = 8;
        if (c.hideCandidate)
            board.GetCell(3, 3).SetVisible(1, 0);
        StartRecording();

        board.LeftClick(3, 3, 1);

        EXPECT_EQ(board.GetHistorySize(), c.places ? 1 : 0);
        EXPECT_EQ(board.GetDigit(3, 3), c.places ? 2 : (c.fillSquare ? 8 : 0));
        EXPECT_EQ(host.calls, (c.places ? Calls{"repaint", "post 1925"} : Calls{}));
        if (c.places) {
            EXPECT_EQ(board.GetCell(3, 3).given, c.mode == BoardMode::Setup ? 1 : 0);
        }
    }
}

TEST_F(Interaction, FillingTheLastSquarePostsChangedThenSolved)
{
    for (const BoardMode mode : {BoardMode::Playing, BoardMode::Setup}) {
        SCOPED_TRACE(static_cast<int>(mode));
        board.Reset();
        LoadGrid(board, "53467891267219534819834256785976142342685379171392485696153728428741963534528617.");
        board.SetMode(mode);
        StartRecording();

        board.LeftClick(8, 8, 8);

        EXPECT_EQ(host.calls, (Calls{"repaint", "post 1925", "post 1926"}));
        EXPECT_EQ(board.GetMode(), BoardMode::Complete);
        EXPECT_FALSE(board.IsModified());
        EXPECT_EQ(board.GetHistorySize(), 1);
    }
}

TEST_F(Interaction, FillingTheLastSquareByKeyStaysInModeAndPostsNothing)
{
    LoadGrid(board, "53467891267219534819834256785976142342685379171392485696153728428741963534528617.");
    board.SetMode(BoardMode::Playing);
    board.MouseMove(true, 8, 8);
    StartRecording();

    board.TypeKey('9');

    EXPECT_TRUE(board.IsComplete());
    EXPECT_EQ(board.GetMode(), BoardMode::Playing);
    EXPECT_EQ(host.calls, Calls{"repaint"});
}

TEST_F(Interaction, RightClickInSetupActsOnTheLastMouseSquare)
{
    board.LeftClick(0, 0, 4);
    board.LeftClick(8, 8, 6);
    board.MouseMove(true, 8, 8);
    StartRecording();

    board.RightClick(0, 0, 0);  // clicked square differs from the last-mouse one

    EXPECT_EQ(board.GetDigit(0, 0), 5);
    EXPECT_EQ(board.GetDigit(8, 8), 0);
    EXPECT_EQ(board.GetCell(8, 8).given, 0);
    EXPECT_TRUE(board.IsVisible(8, 0, 6));  // the 7's candidates are back
    EXPECT_EQ(board.GetCell(8, 8).highlighted, 1);  // the hovered square keeps its highlight
    EXPECT_EQ(board.GetHistorySize(), 3);
    EXPECT_EQ(host.calls, Calls{"repaint"});
}

TEST_F(Interaction, RightClickInSetupOnAnEmptySquareStillSnapshotsAndRecomputes)
{
    for (const bool anyDigit : {false, true}) {
        SCOPED_TRACE(anyDigit ? "board holds a digit" : "empty board");
        board.Reset();
        if (anyDigit)
            board.GetCell(4, 4).selected = 3;
        board.MouseMove(true, 1, 1);
        StartRecording();

        board.RightClick(1, 1, 0);

        EXPECT_EQ(board.GetHistorySize(), 1);
        EXPECT_EQ(board.IsModified(), anyDigit);
        EXPECT_EQ(board.GetCell(4, 4).given, anyDigit ? 1 : 0);
        EXPECT_EQ(host.calls, Calls{"repaint"});
    }
}

TEST_F(Interaction, RightClickInPlayingTogglesACandidate)
{
    struct Case {
        const char* name;
        bool fillSquare;
        bool hideFirst;
        bool blockInRow;
        int visibleAfter;
        int snapshots;
    };
    const Case cases[] = {
        {"hides a shown candidate", false, false, false, 0, 1},
        {"shows a hidden one that may go there", false, true, false, 1, 1},
        {"a hidden one blocked by its row stays hidden", false, true, true, 0, 0},
        {"a filled square ignores the click", true, false, false, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        board.Reset();
        board.SetMode(BoardMode::Playing);
        if (c.blockInRow)
            board.PlaceDigit(1, 0, 2);  // a 3 in row 0
        if (c.fillSquare)
            board.GetCell(0, 0).selected = 9;
        if (c.hideFirst)
            board.GetCell(0, 0).SetVisible(2, 0);
        board.SetModified(false);
        StartRecording();

        board.RightClick(0, 0, 2);

        EXPECT_EQ(board.IsVisible(0, 0, 2), c.visibleAfter == 1);
        EXPECT_EQ(board.GetHistorySize(), c.snapshots);
        EXPECT_EQ(board.IsModified(), c.snapshots == 1);
        EXPECT_EQ(host.calls, c.snapshots ? Calls{"repaint"} : Calls{});
    }
}

TEST_F(Interaction, RightClickInPausedAndCompleteDoesNothing)
{
    for (const BoardMode mode : {BoardMode::Paused, BoardMode::Complete}) {
        board.Reset();
        board.SetMode(mode);
        StartRecording();
        board.RightClick(0, 0, 0);
        EXPECT_TRUE(board.IsVisible(0, 0, 0));
        EXPECT_EQ(board.GetHistorySize(), 0);
        EXPECT_TRUE(host.calls.empty());
    }
}

TEST_F(Interaction, HoverFollowsTheMouseInSetupWithOneRepaintPerSquare)
{
    struct Step {
        const char* name;
        bool hit;
        int box, cell;
        int hoverBox, hoverCell;
        Calls calls;
    };
    const Step steps[] = {
        {"onto a square", true, 2, 3, 2, 3, {"repaint"}},
        {"within the same square", true, 2, 3, 2, 3, {}},
        {"onto another square", true, 7, 0, 7, 0, {"repaint"}},
        {"off the grid", false, 0, 0, -1, -1, {"repaint"}},
        {"still off the grid", false, 0, 0, -1, -1, {}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        StartRecording();
        board.MouseMove(s.hit, s.box, s.cell);
        EXPECT_EQ(board.GetHoverBox(), s.hoverBox);
        EXPECT_EQ(board.GetHoverCell(), s.hoverCell);
        EXPECT_EQ(host.calls, s.calls);
        int highlighted = 0;
        for (int b = 0; b < 9; ++b)
            for (int k = 0; k < 9; ++k)
                highlighted += board.GetCell(b, k).highlighted;
        EXPECT_EQ(highlighted, s.hoverBox == -1 ? 0 : 1);
    }
    EXPECT_EQ(board.GetLastMouseBox(), 7);  // a miss keeps the last square hit
    EXPECT_EQ(board.GetLastMouseCell(), 0);
}

TEST_F(Interaction, OutsideSetupTheMouseOnlyRecordsTheLastSquare)
{
    for (const BoardMode mode : {BoardMode::Playing, BoardMode::Paused, BoardMode::Complete}) {
        SCOPED_TRACE(static_cast<int>(mode));
        board.Reset();
        board.SetMode(mode);
        StartRecording();
        board.MouseMove(true, 6, 2);
        board.MouseMove(false, 0, 0);
        EXPECT_EQ(board.GetLastMouseBox(), 6);
        EXPECT_EQ(board.GetLastMouseCell(), 2);
        EXPECT_EQ(board.GetHoverBox(), -1);
        EXPECT_TRUE(host.calls.empty());
    }
}

TEST_F(Interaction, SetHoverClearsALeftoverHighlightInAnyMode)
{
    board.MouseMove(true, 4, 4);
    board.SetMode(BoardMode::Playing);
    StartRecording();
    board.SetHover(-1, -1);
    EXPECT_EQ(board.GetCell(4, 4).highlighted, 0);
    EXPECT_EQ(host.calls, Calls{"repaint"});
}

TEST_F(Interaction, TypeKey)
{
    struct Case {
        const char* name;
        BoardMode mode;
        char key;
        int digitBefore, givenBefore;
        int digitAfter, givenAfter, snapshots;
    };
    const Case cases[] = {
        {"digit in Setup becomes a given", BoardMode::Setup, '6', 0, 0, 6, 1, 1},
        {"digit in Playing is placed", BoardMode::Playing, '6', 0, 0, 6, 0, 1},
        {"digit replaces a given in Playing", BoardMode::Playing, '6', 2, 1, 6, 1, 1},
        {"zero snapshots but changes nothing", BoardMode::Playing, '0', 2, 0, 2, 0, 1},
        {"delete removes a given in Playing", BoardMode::Playing, '.', 2, 1, 0, 0, 1},
        {"Paused ignores keys", BoardMode::Paused, '6', 0, 0, 0, 0, 0},
        {"Complete ignores keys", BoardMode::Complete, '.', 2, 1, 2, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        board.Reset();
        board.SetMode(c.mode);
        board.MouseMove(true, 5, 1);
        board.GetCell(5, 1).selected = c.digitBefore;
        board.GetCell(5, 1).given = c.givenBefore;
        StartRecording();

        board.TypeKey(c.key);

        EXPECT_EQ(board.GetDigit(5, 1), c.digitAfter);
        EXPECT_EQ(board.GetCell(5, 1).given, c.givenAfter);
        EXPECT_EQ(board.GetHistorySize(), c.snapshots);
        EXPECT_EQ(host.calls, c.snapshots ? Calls{"repaint"} : Calls{});
    }
}

TEST_F(Interaction, TypeKeyBeforeAnyMouseMoveActsOnTheTopLeftSquare)
{
    board.TypeKey('4');
    EXPECT_EQ(board.GetDigit(0, 0), 4);
    EXPECT_FALSE(board.IsVisible(0, 1, 3));
}

TEST_F(Interaction, TypedDigitMustBeACandidateOfItsSquare)
{
    board.SetMode(BoardMode::Playing);
    board.PlaceDigit(0, 1, 5);  // a 6 next to the top-left square
    board.TypeKey('6');
    EXPECT_EQ(board.GetDigit(0, 0), 0);
    EXPECT_EQ(board.GetHistorySize(), 1);
}
