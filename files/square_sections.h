#pragma once

#include "board/box.h"
#include "board/cell.h"
#include "files/profile_store.h"

#include <string>

// How squares are kept in a board file: one section "DIGIT(b,c)" per square,
// named by box and cell index, holding SELECTED, GIVEN and VISIBLE.

std::string SquareSectionName(int box, int cell);

// VISIBLE: nine '0'/'1' characters, candidate 1 first. Reading takes '1' as
// set and anything else, or a missing character, as cleared.
std::string VisibleText(const Cell& cell);
void ReadVisibleText(Cell& cell, std::string_view text);

void WriteTo(const Cell& cell, ProfileStore& store, int box, int cellIndex);
// Takes the values as they stand, defaults for missing keys; only selected,
// given and visible change.
void ReadFrom(Cell& cell, ProfileStore& store, int box, int cellIndex);

// The nine squares of the box, cell 0 first.
void WriteTo(const Box& box, ProfileStore& store, int boxIndex);
void ReadFrom(Box& box, ProfileStore& store, int boxIndex);
