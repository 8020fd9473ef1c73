#include "board/box.h"

void Box::Reset()
{
    for (Cell& c : cells)
        c.Reset();
}

void Box::Restart()
{
    for (Cell& c : cells)
        c.Restart();
}

void Box::ResetVisible()
{
    for (Cell& c : cells)
        c.ResetVisible();
}

void Box::CopyFrom(const Box& other)
{
    for (int k = 0; k < 9; ++k)
        cells[k].CopyFrom(other.cells[k]);
}

bool Box::IsFull() const
{
    for (const Cell& c : cells)
        if (!c.HasDigit())
            return false;
    return true;
}
