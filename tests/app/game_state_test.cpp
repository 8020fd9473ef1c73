#include "app/command_ids.h"
#include "app/game_state.h"
#include "tests/app/fake_shell.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kSolved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

void FillGrid(Board& board, const std::string& rows)
{
    for (int i = 0; i < 81; ++i) {
        const int r = i / 9, c = i % 9;
        board.GetCell((r / 3) * 3 + c / 3, (r % 3) * 3 + c % 3).selected = rows[i] == '.' ? 0 : rows[i] - '0';
    }
    board.RecomputeCandidates();
}

class GameStateTest : public ::testing::Test {
protected:
    // Brings the board into a mode the way a user would get there.
    void EnterMode(BoardMode mode)
    {
        board.LeftClick(0, 0, 4);  // a given 5
        switch (mode) {
        case BoardMode::Setup:
            break;
        case BoardMode::Playing:
            game.OnModePlay();
            break;
        case BoardMode::Paused:
            game.OnModePlay();
            game.OnModePause();
            break;
        case BoardMode::Complete: {
            std::string almost = kSolved;
            almost[80] = '.';
            FillGrid(board, almost);
            game.OnModePlay();
            board.LeftClick(8, 8, 8);
            game.OnBoardSolved();
            break;
        }
        }
        shell.calls.clear();
    }

    bool Offered(int commandId) { return shell.enabled.at(commandId); }

    Board board;
    FakeShell shell;
    GameState game{board, shell};
};

}  // namespace

TEST_F(GameStateTest, SwitchModeSetsButtonsStatusAndToolBarInOrder)
{
    board.PushSnapshot();
    game.SwitchMode(BoardMode::Playing);
    const std::vector<std::string> expected = {
        "press 2310 0",
        "press 2311 1",
        "press 2312 0",
        "status 0 Playing - 0:00",
        "status 1 Left-click to select, Right-click to toggle",
        "enable 2315 1",
        "enable 2310 0",
        "enable 2311 0",
        "enable 2312 1",
    };
    EXPECT_EQ(shell.calls, expected);
    EXPECT_EQ(board.GetMode(), BoardMode::Playing);
}

TEST_F(GameStateTest, ToolBarAndStatusForEveryMode)
{
    struct Case {
        BoardMode mode;
        const char* status0;
        const char* status1;
        bool setupPressed, playPressed, pausePressed;
        bool setupEnabled, playEnabled, pauseEnabled;
    };
    const Case cases[] = {
        {BoardMode::Setup, "Setup", "Left-click to select, Right-click to remove", true, false, false, true, true, false},
        {BoardMode::Playing, "Playing - 0:00", "Left-click to select, Right-click to toggle", false, true, false, false, false, true},
        {BoardMode::Paused, "Paused", "Press Play to Continue", false, false, true, false, true, false},
        {BoardMode::Complete, "Complete", "Press setup to setup a new board", false, false, false, true, false, false},
    };
    for (const Case& c : cases) {
        for (const bool history : {false, true}) {
            SCOPED_TRACE(std::string(c.status0) + (history ? ", with history" : ", no history"));
            board.ClearHistory();
            if (history)
                board.PushSnapshot();
            game.SwitchMode(c.mode);
            EXPECT_EQ(shell.status[0], c.status0);
            EXPECT_EQ(shell.status[1], c.status1);
            EXPECT_EQ(shell.pressed[ID_MODE_SETUP], c.setupPressed);
            EXPECT_EQ(shell.pressed[ID_MODE_PLAY], c.playPressed);
            EXPECT_EQ(shell.pressed[ID_MODE_PAUSE], c.pausePressed);
            EXPECT_EQ(shell.enabled[ID_MODE_SETUP], c.setupEnabled);
            EXPECT_EQ(shell.enabled[ID_MODE_PLAY], c.playEnabled);
            EXPECT_EQ(shell.enabled[ID_MODE_PAUSE], c.pauseEnabled);
            EXPECT_EQ(shell.enabled[ID_BOARD_UNDO], history);
        }
    }
}

TEST_F(GameStateTest, ModeOutsideTheKnownOnesLeavesTextsAndOffersOnlyPlay)
{
    game.SwitchMode(BoardMode::Setup);
    shell.calls.clear();
    game.SwitchMode(static_cast<BoardMode>(7));
    for (const std::string& call : shell.calls)
        EXPECT_NE(call.rfind("status", 0), 0u) << call;
    EXPECT_FALSE(shell.pressed[ID_MODE_SETUP]);
    EXPECT_FALSE(shell.pressed[ID_MODE_PLAY]);
    EXPECT_FALSE(shell.pressed[ID_MODE_PAUSE]);
    EXPECT_FALSE(shell.enabled[ID_MODE_SETUP]);
    EXPECT_TRUE(shell.enabled[ID_MODE_PLAY]);
    EXPECT_FALSE(shell.enabled[ID_MODE_PAUSE]);
    EXPECT_FALSE(shell.enabled[ID_BOARD_UNDO]);
    EXPECT_EQ(shell.status[0], "Setup");
}

// Each mode command from each mode in which its button is offered.
TEST_F(GameStateTest, ModeCommandsFromEveryMode)
{
    struct Case {
        const char* name;
        BoardMode from;
        void (GameState::*command)();
        BoardMode to;
        bool timeZeroed;
        bool boardEmptied;
    };
    const Case cases[] = {
        {"Setup from Setup keeps the digits", BoardMode::Setup, &GameState::OnModeSetup, BoardMode::Setup, false, false},
        {"Setup from Complete empties the board", BoardMode::Complete, &GameState::OnModeSetup, BoardMode::Setup, false, true},
        {"Play from Setup starts the clock at zero", BoardMode::Setup, &GameState::OnModePlay, BoardMode::Playing, true, false},
        {"Play from Paused resumes the clock", BoardMode::Paused, &GameState::OnModePlay, BoardMode::Playing, false, false},
        {"Pause from Playing", BoardMode::Playing, &GameState::OnModePause, BoardMode::Paused, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        board.Reset();
        board.ClearTime();
        EnterMode(c.from);
        board.SetTime(61000);
        board.PushSnapshot();
        board.SetFileName("/tmp/kept.SUD");
        ASSERT_EQ(board.GetMode(), c.from);

        (game.*c.command)();

        EXPECT_EQ(board.GetMode(), c.to);
        EXPECT_EQ(board.GetTime(), c.timeZeroed ? 0u : 61000u);
        EXPECT_EQ(board.GetDigit(0, 0), c.boardEmptied ? 0 : 5);
        EXPECT_EQ(board.GetFileName(), c.boardEmptied ? "" : "/tmp/kept.SUD");
        const bool pauseKeepsHistory = c.command == &GameState::OnModePause;
        EXPECT_EQ(board.GetHistorySize() > 0, pauseKeepsHistory);
        EXPECT_EQ(Offered(ID_BOARD_UNDO), pauseKeepsHistory);
    }
}

TEST_F(GameStateTest, ModeButtonsOfferedOnlyWhereTheyMeanSomething)
{
    struct Case {
        BoardMode mode;
        bool setup, play, pause;
    };
    const Case cases[] = {
        {BoardMode::Setup, true, true, false},
        {BoardMode::Playing, false, false, true},
        {BoardMode::Paused, false, true, false},
        {BoardMode::Complete, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        board.Reset();
        EnterMode(c.mode);
        game.UpdateToolBarStates();
        EXPECT_EQ(Offered(ID_MODE_SETUP), c.setup);
        EXPECT_EQ(Offered(ID_MODE_PLAY), c.play);
        EXPECT_EQ(Offered(ID_MODE_PAUSE), c.pause);
    }
}

TEST_F(GameStateTest, ClockTicks)
{
    struct Case {
        const char* name;
        uint32_t start;
        int ticks;
        std::vector<std::string> writes;
    };
    const Case cases[] = {
        {"ticks 1 to 9 write nothing", 0, 9, {}},
        {"tick 10 writes the first second", 0, 10, {"status 0 Playing - 0:01"}},
        {"an odd start changes on the tick from 1950 to 2050", 1250, 8, {"status 0 Playing - 0:02"}},
        {"... and not before", 1250, 7, {}},
        {"minutes pass 59", 3722900, 1, {"status 0 Playing - 62:03"}},
        {"time wraps at 2^32", 4294967200u, 1, {"status 0 Playing - 0:00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        board.Reset();
        game.OnModePlay();
        board.SetTime(c.start);
        shell.calls.clear();
        for (int i = 0; i < c.ticks; ++i)
            game.OnTimer();
        EXPECT_EQ(shell.calls, c.writes);
        EXPECT_EQ(board.GetTime(), static_cast<uint32_t>(c.start + 100u * c.ticks));
    }
}

TEST_F(GameStateTest, ClockStandsStillOutsidePlaying)
{
    for (const BoardMode mode : {BoardMode::Setup, BoardMode::Paused, BoardMode::Complete}) {
        SCOPED_TRACE(static_cast<int>(mode));
        board.Reset();
        EnterMode(mode);
        const uint32_t before = board.GetTime();
        for (int i = 0; i < 20; ++i)
            game.OnTimer();
        EXPECT_EQ(board.GetTime(), before);
        EXPECT_TRUE(shell.calls.empty());
    }
}

TEST_F(GameStateTest, SolvedReportsTheTimeAndShowsComplete)
{
    std::string almost = kSolved;
    almost[80] = '.';
    FillGrid(board, almost);
    game.OnModePlay();
    board.SetTime(125400);
    board.LeftClick(8, 8, 8);
    shell.calls.clear();

    game.OnBoardChanged();
    game.OnBoardSolved();

    EXPECT_EQ(shell.status[0], "Complete");
    EXPECT_EQ(shell.calls.back(), "message Done: You solved it in 2 minutes and 5 seconds!");
    EXPECT_TRUE(Offered(ID_BOARD_UNDO));
    EXPECT_TRUE(Offered(ID_MODE_SETUP));
    EXPECT_FALSE(Offered(ID_MODE_PLAY));
}

TEST_F(GameStateTest, SolvedMessageStaysPluralForOne)
{
    board.SetTime(61000);
    game.OnBoardSolved();
    EXPECT_EQ(shell.calls.back(), "message Done: You solved it in 1 minutes and 1 seconds!");
}

TEST_F(GameStateTest, ChangedRefreshesOnlyTheToolBar)
{
    game.OnModePlay();
    board.LeftClick(4, 4, 0);
    shell.calls.clear();
    game.OnBoardChanged();
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"enable 2315 1", "enable 2310 0", "enable 2311 0", "enable 2312 1"}));
}
