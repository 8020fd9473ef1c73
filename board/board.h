#pragma once

#include "board/board_host.h"
#include "board/board_mode.h"
#include "board/box.h"
#include "board/undo_history.h"

#include <array>
#include <cstdint>
#include <string>

// The whole puzzle: 81 squares held as nine boxes, the mode, the solving
// time, the undo history and what the mouse last pointed at. Operations
// take indices 0-8 and trust their callers; the Board reaches the screen
// and its owner only through the BoardHost it is given.
class Board {
public:
    Board();
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    void SetHost(BoardHost* host) { host_ = host; }

    // Squares and state.
    int GetDigit(int box, int cell) const { return boxes_[box].cells[cell].selected; }
    bool IsVisible(int box, int cell, int candidate) const { return boxes_[box].cells[cell].IsVisible(candidate); }
    void SetVisible(int box, int cell, int candidate, int flag);
    const Box& GetBox(int box) const { return boxes_[box]; }
    const Cell& GetCell(int box, int cell) const { return boxes_[box].cells[cell]; }
    Cell& GetCell(int box, int cell) { return boxes_[box].cells[cell]; }

    BoardMode GetMode() const { return mode_; }
    void SetMode(BoardMode mode);  // repaints; changes nothing else
    void StoreMode(BoardMode mode) { mode_ = mode; }  // no repaint: a load's caller switches modes after
    bool IsModified() const { return modified_ != 0; }
    void SetModified(bool modified) { modified_ = modified ? 1 : 0; }
    std::string GetFileName() const { return fileName_; }
    void SetFileName(std::string fileName) { fileName_ = std::move(fileName); }
    uint32_t GetTime() const { return time_; }
    void SetTime(uint32_t ms) { time_ = ms; }
    void ClearTime() { time_ = 0; }

    int GetHoverBox() const { return hoverBox_; }
    int GetHoverCell() const { return hoverCell_; }
    int GetLastMouseBox() const { return lastMouseBox_; }
    int GetLastMouseCell() const { return lastMouseCell_; }

    // Rules.
    void PlaceDigit(int box, int cell, int candidate);
    bool CanPlace(int box, int cell, int candidate) const;
    void RecomputeCandidates();
    bool IsComplete() const;
    void Reset();
    void Restart();

    // Interaction, as each mode allows it.
    void LeftClick(int box, int cell, int candidate);
    void RightClick(int box, int cell, int candidate);
    void MouseMove(bool hit, int box, int cell);
    void TypeKey(char ch);
    void SetHover(int box, int cell);

    // Undo history.
    void CopyFrom(const Board& other);  // squares, mode and modified
    void PushSnapshot();
    void Undo();  // the history must not be empty
    void ClearHistory() { history_.Clear(); }
    int GetHistorySize() const { return static_cast<int>(history_.Size()); }

private:
    Snapshot TakeSnapshot() const;
    void Repaint();
    void Post(int message);

    std::array<Box, 9> boxes_;
    int32_t modified_ = 0;
    std::string fileName_;
    BoardMode mode_ = BoardMode::Setup;
    int32_t hoverBox_ = -1;
    int32_t hoverCell_ = -1;
    UndoHistory history_;
    BoardHost* host_ = nullptr;
    uint32_t time_ = 0;
    int32_t lastMouseBox_ = 0;
    int32_t lastMouseCell_ = 0;
};
