#pragma once

#include "board/board.h"

#include <cstdint>
#include <string>

class Shell;

// Keeps the status bar and the tool bar in line with the Board's mode, runs
// the clock and handles the Setup, Play and Pause commands. Holds no game
// state of its own: mode, time and history all live in the Board.
class GameState {
public:
    GameState(Board& board, Shell& shell) : board_(board), shell_(shell) {}

    void SwitchMode(BoardMode mode);
    void UpdateToolBarStates();

    void OnTimer();  // one 100 ms tick
    void OnBoardChanged();
    void OnBoardSolved();

    void OnModeSetup();
    void OnModePlay();
    void OnModePause();

    // "Playing - m:ss", minutes not capped at 59.
    static std::string ClockText(uint32_t ms);

private:
    Board& board_;
    Shell& shell_;
};
