#pragma once

#include "board/board.h"
#include "files/atomic_file_writer.h"
#include "files/file_result.h"

#include <string>

// Board files (".SUD"): a profile file with a section GENERAL (MODE, TIME)
// and one section DIGIT(b,c) per square (SELECTED, GIVEN, VISIBLE).

// Writes the board's mode, time and squares to path, replacing the file
// whole and atomically. On success the board is no longer modified and
// remembers path as its file name; on failure neither changes.
FileResult SaveToFile(Board& board, const std::string& path);
FileResult SaveToFile(Board& board, const std::string& path, const WriteFaultHook& fault);

// Reads mode, time and squares (digit, given flag, candidates) from path;
// missing keys give their defaults. The board is then not modified; the
// mode is stored without a repaint. A file that cannot be read, holds no
// board section, or has a value out of range is refused with a message,
// and the board is left exactly as it was.
FileResult LoadFromFile(Board& board, const std::string& path);
