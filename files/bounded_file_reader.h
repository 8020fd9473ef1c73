#pragma once

#include "files/file_result.h"

#include <cstddef>
#include <string>

// Profile files are small: a board file is under 5 KB. Anything larger than
// this is refused before it is read whole.
constexpr std::size_t kMaxProfileFileBytes = 1024 * 1024;

// Reads the whole of an ordinary file into text. A missing or unreadable
// file, a folder, a device or pipe, and a file larger than maxBytes are
// refused with a message naming the path; the text is then left empty.
// missing tells whether the refusal was for nothing being at the path.
FileResult ReadBoundedFile(const std::string& path, std::string& text, bool& missing,
                           std::size_t maxBytes = kMaxProfileFileBytes);
