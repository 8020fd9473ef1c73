#include "board/cell.h"

void Cell::Reset()
{
    selected = 0;
    ResetVisible();
    given = 0;
    highlighted = 0;
}

void Cell::Restart()
{
    if (given == 0)
        Reset();
}

void Cell::Place(int candidate, BoardMode mode)
{
    highlighted = 0;
    selected = candidate + 1;
    if (mode == BoardMode::Setup)
        given = 1;
}

void Cell::ApplyKey(char ch, BoardMode mode)
{
    if (ch >= '1' && ch <= '9') {
        const int digit = ch - '0';
        if (visible[digit - 1] == 0)
            return;
        selected = digit;
        if (mode == BoardMode::Setup)
            given = 1;
    } else if (ch == '.') {
        selected = 0;
        given = 0;
    }
}

void Cell::CopyFrom(const Cell& other)
{
    selected = other.selected;
    given = other.given;
    visible = other.visible;
    highlighted = 0;
}

void Cell::ResetVisible()
{
    visible.fill(1);
}
