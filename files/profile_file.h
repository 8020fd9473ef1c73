#pragma once

#include "files/atomic_file_writer.h"
#include "files/file_result.h"

#include <string>
#include <string_view>

// One read or one write of a profile file per call, with the rules that
// profile files written on Windows follow, so files travel both ways.
//
// Reading: line ends CR LF, LF or CR; names match without regard to case;
// blanks around names and values are ignored; one pair of double or single
// quotes around a value is removed; a line starting with ';' is a comment;
// the first of two equal sections or keys wins; "K=" is an empty value; a
// value or fallback is cut to 127 characters. A missing file, section or key
// gives the fallback, and reading never creates a file.
//
// Writing: a missing file is created, a missing folder is a failure; a key's
// value is replaced in place and the key keeps its spelling; a new key goes at
// the end of its section and a new section at the end of the file; lines are
// written as key=value with CR LF. The file is replaced atomically.

std::string ReadProfileString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view fallback);

FileResult WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view value, const WriteFaultHook& fault = {});
