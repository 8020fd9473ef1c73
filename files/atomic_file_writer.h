#pragma once

#include "files/file_result.h"

#include <functional>
#include <string>
#include <string_view>

// The steps of an atomic write, in the order they run.
enum class WriteStep {
    CreateTemporary,  // a new file beside the target, created exclusively
    KeepOwnership,    // the target's permissions (and owner, where allowed)
    Write,            // the bytes
    Flush,            // to the disk
    Close,
    Rename,           // over the target
};
constexpr int kWriteStepCount = 6;

const char* WriteStepName(WriteStep step);

// A seam for tests: called before each step; returning a system error number
// makes that step fail with it, as if the system had refused. 0 lets it run.
using WriteFaultHook = std::function<int(WriteStep)>;

// Replaces the file at path with bytes so that it ends up either wholly old
// or wholly new: the bytes go to a temporary file in the same folder, are
// flushed to disk, and the temporary is renamed over the target. A symbolic
// link is followed and stays a link; a replaced file keeps its permissions.
// On failure the old file is untouched, no temporary is left behind, and the
// message names path and reason.
FileResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                               const WriteFaultHook& fault = {});
