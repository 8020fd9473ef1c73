#include "board/board.h"

#include "board/coordinates.h"

Board::Board()
{
    Reset();
}

void Board::SetVisible(int box, int cell, int candidate, int flag)
{
    boxes_[box].cells[cell].SetVisible(candidate, flag);
    modified_ = 1;
}

void Board::SetMode(BoardMode mode)
{
    mode_ = mode;
    Repaint();
}

void Board::Repaint()
{
    if (host_)
        host_->Repaint();
}

void Board::Post(int message)
{
    if (host_)
        host_->PostToOwner(message);
}

// ---- Rules ---------------------------------------------------------------

void Board::PlaceDigit(int box, int cell, int candidate)
{
    const ColumnRow at = ToColumnRow(box, cell);
    boxes_[box].cells[cell].Place(candidate, mode_);
    for (int x = 0; x < 9; ++x) {
        const BoxCell peer = ToBoxCell(x, at.row);
        SetVisible(peer.box, peer.cell, candidate, 0);
    }
    for (int y = 0; y < 9; ++y) {
        const BoxCell peer = ToBoxCell(at.column, y);
        SetVisible(peer.box, peer.cell, candidate, 0);
    }
    for (int j = 0; j < 9; ++j)
        SetVisible(box, j, candidate, 0);
    modified_ = 1;
}

bool Board::CanPlace(int box, int cell, int candidate) const
{
    const ColumnRow at = ToColumnRow(box, cell);
    for (int x = 0; x < 9; ++x) {
        const BoxCell peer = ToBoxCell(x, at.row);
        if (boxes_[peer.box].HasDigit(peer.cell, candidate))
            return false;
    }
    for (int y = 0; y < 9; ++y) {
        const BoxCell peer = ToBoxCell(at.column, y);
        if (boxes_[peer.box].HasDigit(peer.cell, candidate))
            return false;
    }
    for (int j = 0; j < 9; ++j)
        if (boxes_[box].HasDigit(j, candidate))
            return false;
    return true;
}

void Board::RecomputeCandidates()
{
    for (Box& b : boxes_)
        b.ResetVisible();
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k)
            if (const int digit = boxes_[b].cells[k].selected; digit != 0)
                PlaceDigit(b, k, digit - 1);
}

bool Board::IsComplete() const
{
    for (const Box& b : boxes_)
        if (!b.IsFull())
            return false;
    return true;
}

void Board::Reset()
{
    for (Box& b : boxes_)
        b.Reset();
    modified_ = 0;
    fileName_.clear();
    mode_ = BoardMode::Setup;
    hoverBox_ = -1;
    hoverCell_ = -1;
    ClearHistory();
}

void Board::Restart()
{
    for (Box& b : boxes_)
        b.Restart();
    fileName_.clear();
    mode_ = BoardMode::Playing;
    hoverBox_ = -1;
    hoverCell_ = -1;
    time_ = 0;
    ClearHistory();
    RecomputeCandidates();
    modified_ = 0;  // after the recompute, which marks any board with a given as modified
}

// ---- Interaction -----------------------------------------------------------

void Board::LeftClick(int box, int cell, int candidate)
{
    if (mode_ != BoardMode::Setup && mode_ != BoardMode::Playing)
        return;
    const Cell& square = boxes_[box].cells[cell];
    if (square.HasDigit() || !square.IsVisible(candidate))
        return;
    PushSnapshot();
    PlaceDigit(box, cell, candidate);
    Repaint();
    Post(UM_BOARD_CHANGED);
    if (IsComplete()) {
        mode_ = BoardMode::Complete;  // directly: SetMode would ask for a second repaint
        Post(UM_BOARD_SOLVED);
        modified_ = 0;
    }
}

void Board::RightClick(int box, int cell, int candidate)
{
    if (mode_ == BoardMode::Setup) {
        PushSnapshot();
        // The last-mouse square, not (box, cell): the two agree whenever the
        // mouse moved to the click point, which is how a click gets there.
        boxes_[lastMouseBox_].cells[lastMouseCell_].ApplyKey('.', BoardMode::Setup);
        if (hoverBox_ != -1)
            boxes_[hoverBox_].cells[hoverCell_].SetHighlighted(1);
        RecomputeCandidates();
        Repaint();
    } else if (mode_ == BoardMode::Playing) {
        if (boxes_[box].cells[cell].HasDigit())
            return;
        if (IsVisible(box, cell, candidate)) {
            PushSnapshot();
            SetVisible(box, cell, candidate, 0);
            Repaint();
        } else if (CanPlace(box, cell, candidate)) {
            PushSnapshot();
            SetVisible(box, cell, candidate, 1);
            Repaint();
        }
    }
}

void Board::MouseMove(bool hit, int box, int cell)
{
    if (hit) {
        lastMouseBox_ = box;
        lastMouseCell_ = cell;
    }
    if (mode_ != BoardMode::Setup)
        return;
    if (hit)
        SetHover(box, cell);
    else
        SetHover(-1, -1);
}

void Board::TypeKey(char ch)
{
    if (mode_ != BoardMode::Setup && mode_ != BoardMode::Playing)
        return;
    PushSnapshot();
    boxes_[lastMouseBox_].cells[lastMouseCell_].ApplyKey(ch, mode_);
    RecomputeCandidates();
    Repaint();
}

void Board::SetHover(int box, int cell)
{
    if (box == hoverBox_ && cell == hoverCell_)
        return;
    if (hoverBox_ != -1)
        boxes_[hoverBox_].cells[hoverCell_].SetHighlighted(0);
    hoverBox_ = box;
    hoverCell_ = cell;
    if (box != -1)
        boxes_[box].cells[cell].SetHighlighted(1);
    Repaint();
}

// ---- Undo history ----------------------------------------------------------

void Board::CopyFrom(const Board& other)
{
    for (int b = 0; b < 9; ++b)
        boxes_[b].CopyFrom(other.boxes_[b]);
    mode_ = other.mode_;
    modified_ = other.modified_;
}

Snapshot Board::TakeSnapshot() const
{
    Snapshot s;
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k)
            s.squares[b * 9 + k] = Snapshot::Pack(boxes_[b].cells[k]);
    s.mode = static_cast<int32_t>(mode_);
    s.modified = modified_;
    return s;
}

void Board::PushSnapshot()
{
    history_.Push(TakeSnapshot());
}

void Board::Undo()
{
    const Snapshot& s = history_.Front();
    for (int b = 0; b < 9; ++b)
        for (int k = 0; k < 9; ++k)
            Snapshot::Unpack(s.squares[b * 9 + k], boxes_[b].cells[k]);
    mode_ = static_cast<BoardMode>(s.mode);
    modified_ = s.modified;
    history_.Pop();
}
