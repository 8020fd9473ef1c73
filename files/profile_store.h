#pragma once

#include "files/atomic_file_writer.h"
#include "files/file_result.h"
#include "files/profile_document.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Values read from a profile are cut to this many characters, defaults too.
constexpr std::size_t kMaxProfileValueLength = 127;

// Section/key/value access to one profile file, for the length of one save
// or one load. The file is read at most once, when first needed, and
// written at most once, by Commit; what the store returns and what the file
// finally holds are what a read or write of the file per call would give.
class ProfileStore {
public:
    explicit ProfileStore(std::string path);  // touches no file

    const std::string& GetPath() const { return path_; }

    // Reads the file now. On failure the store reads as an empty profile.
    FileResult Load();
    // Forgets the file's content: Commit then replaces the file whole with
    // what was written after, as if it had been deleted first.
    void Clear();

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback);
    void WriteInt(std::string_view section, std::string_view key, int32_t value);
    int32_t ReadInt(std::string_view section, std::string_view key, int32_t fallback);
    // The same 32 bits as the signed pair: 4294967295 is written as -1.
    void WriteUInt(std::string_view section, std::string_view key, uint32_t value);
    uint32_t ReadUInt(std::string_view section, std::string_view key, uint32_t fallback);

    bool HasSection(std::string_view section);

    // Writes what was written to the file, atomically; nothing when nothing
    // was written. Fails, leaving the file as it was, when the file could
    // not be read first (other than being missing) or a write was refused.
    FileResult Commit(const WriteFaultHook& fault = {});

private:
    void EnsureLoaded();

    std::string path_;
    ProfileDocument document_;
    bool loaded_ = false;
    bool changed_ = false;
    FileResult error_;  // what stops Commit
};

// "%d" as C reads it: blanks skipped, an optional sign, decimal digits up
// to the first other character, wrapping to 32 bits. False when no digit.
bool ParseLeadingInt(std::string_view text, int32_t& value);
