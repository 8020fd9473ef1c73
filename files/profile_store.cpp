#include "files/profile_store.h"

#include "files/bounded_file_reader.h"

ProfileStore::ProfileStore(std::string path) : path_(std::move(path)) {}

FileResult ProfileStore::Load()
{
    std::string text;
    bool missing = false;
    FileResult result = ReadBoundedFile(path_, text, missing);
    document_ = ProfileDocument(text);
    loaded_ = true;
    // A missing file is an empty profile a write may create; a file that is
    // there but cannot be read must not be overwritten with a part of it.
    error_ = (result.ok || missing) ? FileResult::Success() : result;
    return result;
}

void ProfileStore::Clear()
{
    document_ = ProfileDocument();
    loaded_ = true;
    changed_ = true;
    error_ = FileResult::Success();
}

void ProfileStore::EnsureLoaded()
{
    if (!loaded_)
        Load();
}

void ProfileStore::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    EnsureLoaded();
    if (!document_.Set(section, key, value)) {
        if (error_.ok)
            error_ = FileResult::Failure("Cannot save " + Quoted(path_) + ": section " + std::string(section) +
                                         ", key " + std::string(key) +
                                         " cannot be written: a name is empty or the value holds a line break.");
        return;
    }
    changed_ = true;
}

std::string ProfileStore::ReadString(std::string_view section, std::string_view key, std::string_view fallback)
{
    EnsureLoaded();
    const std::string_view value = document_.Find(section, key).value_or(fallback);
    return std::string(value.substr(0, kMaxProfileValueLength));
}

void ProfileStore::WriteInt(std::string_view section, std::string_view key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

int32_t ProfileStore::ReadInt(std::string_view section, std::string_view key, int32_t fallback)
{
    int32_t value = 0;
    return ParseLeadingInt(ReadString(section, key, std::to_string(fallback)), value) ? value : fallback;
}

void ProfileStore::WriteUInt(std::string_view section, std::string_view key, uint32_t value)
{
    WriteInt(section, key, static_cast<int32_t>(value));
}

uint32_t ProfileStore::ReadUInt(std::string_view section, std::string_view key, uint32_t fallback)
{
    return static_cast<uint32_t>(ReadInt(section, key, static_cast<int32_t>(fallback)));
}

bool ProfileStore::HasSection(std::string_view section)
{
    EnsureLoaded();
    return document_.HasSection(section);
}

FileResult ProfileStore::Commit(const WriteFaultHook& fault)
{
    if (!error_.ok)
        return error_;
    if (!changed_)
        return FileResult::Success();
    FileResult result = WriteFileAtomically(path_, document_.Text(), fault);
    if (result.ok)
        changed_ = false;
    return result;
}

bool ParseLeadingInt(std::string_view text, int32_t& value)
{
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r')))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    if (at >= text.size() || text[at] < '0' || text[at] > '9')
        return false;
    uint32_t magnitude = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        magnitude = magnitude * 10u + static_cast<uint32_t>(text[at] - '0');
    value = static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
    return true;
}
