#include "app/game_state.h"

#include "app/command_ids.h"
#include "app/shell.h"

#include <cstdio>

namespace {

constexpr uint32_t kTickMs = 100;

std::string Format(const char* format, unsigned a, unsigned b)
{
    char text[96];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

}  // namespace

std::string GameState::ClockText(uint32_t ms)
{
    const uint32_t seconds = ms / 1000;
    return Format("Playing - %u:%02u", seconds / 60, seconds % 60);
}

void GameState::SwitchMode(BoardMode mode)
{
    board_.SetMode(mode);
    shell_.PressButton(ID_MODE_SETUP, mode == BoardMode::Setup);
    shell_.PressButton(ID_MODE_PLAY, mode == BoardMode::Playing);
    shell_.PressButton(ID_MODE_PAUSE, mode == BoardMode::Paused);

    switch (mode) {
    case BoardMode::Setup:
        shell_.SetStatusText(0, "Setup");
        shell_.SetStatusText(1, "Left-click to select, Right-click to remove");
        break;
    case BoardMode::Playing:
        shell_.SetStatusText(0, ClockText(board_.GetTime()));
        shell_.SetStatusText(1, "Left-click to select, Right-click to toggle");
        break;
    case BoardMode::Paused:
        shell_.SetStatusText(0, "Paused");
        shell_.SetStatusText(1, "Press Play to Continue");
        break;
    case BoardMode::Complete:
        shell_.SetStatusText(0, "Complete");
        shell_.SetStatusText(1, "Press setup to setup a new board");
        break;
    default:  // only a damaged file carries another value; Play leads back out
        break;
    }
    UpdateToolBarStates();
}

void GameState::UpdateToolBarStates()
{
    const BoardMode mode = board_.GetMode();
    shell_.EnableButton(ID_BOARD_UNDO, board_.GetHistorySize() > 0);
    shell_.EnableButton(ID_MODE_SETUP, mode == BoardMode::Setup || mode == BoardMode::Complete);
    shell_.EnableButton(ID_MODE_PLAY, mode != BoardMode::Playing && mode != BoardMode::Complete);
    shell_.EnableButton(ID_MODE_PAUSE, mode == BoardMode::Playing);
}

void GameState::OnTimer()
{
    if (board_.GetMode() != BoardMode::Playing)
        return;
    const uint32_t before = board_.GetTime();
    const uint32_t after = before + kTickMs;  // wraps at 2^32, as the stored time does
    board_.SetTime(after);
    if (before / 1000 != after / 1000)
        shell_.SetStatusText(0, ClockText(after));
}

void GameState::OnBoardChanged()
{
    UpdateToolBarStates();
}

void GameState::OnBoardSolved()
{
    SwitchMode(BoardMode::Complete);
    const uint32_t seconds = board_.GetTime() / 1000;
    shell_.ShowMessage(Format("You solved it in %u minutes and %u seconds!", seconds / 60, seconds % 60), "Done");
}

void GameState::OnModeSetup()
{
    if (board_.IsComplete())
        board_.Reset();
    board_.ClearHistory();
    SwitchMode(BoardMode::Setup);
}

void GameState::OnModePlay()
{
    if (board_.GetMode() == BoardMode::Setup)
        board_.ClearTime();
    board_.ClearHistory();
    SwitchMode(BoardMode::Playing);
}

void GameState::OnModePause()
{
    SwitchMode(BoardMode::Paused);
}
