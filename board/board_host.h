#pragma once

// Messages the Board posts to its owner, with these numbers.
constexpr int UM_BOARD_CHANGED = 1925;  // a left click placed a digit
constexpr int UM_BOARD_SOLVED = 1926;   // ... and it filled the last square

// The Board's only way out: the window that shows it, or a test's recorder.
class BoardHost {
public:
    virtual ~BoardHost() = default;
    virtual void Repaint() = 0;                 // repaint the whole board window
    virtual void PostToOwner(int message) = 0;  // delivered after the caller returns
};
