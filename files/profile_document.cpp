#include "files/profile_document.h"

#include <algorithm>

namespace {

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

char Lower(char ch)
{
    return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}

std::string Lowered(std::string_view text)
{
    std::string lower(text);
    for (char& ch : lower)
        ch = Lower(ch);
    return lower;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Where the next CR or LF is, or the end. A plain loop: find_first_of
// searches the set once per character.
std::size_t FindLineBreak(std::string_view text, std::size_t from)
{
    while (from < text.size() && text[from] != '\r' && text[from] != '\n')
        ++from;
    return from;
}

std::string KeyLine(std::string_view key, std::string_view value)
{
    std::string text;
    text.reserve(key.size() + 1 + value.size());
    text.append(key).append(1, '=').append(value);
    return text;
}

bool HasLineBreak(std::string_view text)
{
    return FindLineBreak(text, 0) != text.size();
}

// The section name of a header line, or none when the line is not one. A
// header needs its closing bracket; anything after it is ignored.
std::optional<std::string_view> HeaderName(std::string_view line)
{
    line = Trimmed(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trimmed(line.substr(1, close - 1));
}

}  // namespace

ProfileDocument::ProfileDocument(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t stop = FindLineBreak(text, at);
        LineEnd end = LineEnd::None;
        std::size_t next = stop;
        if (stop != text.size()) {
            if (text[stop] == '\n') {
                end = LineEnd::Lf;
                next = stop + 1;
            } else if (stop + 1 < text.size() && text[stop + 1] == '\n') {
                end = LineEnd::CrLf;
                next = stop + 2;
            } else {
                end = LineEnd::Cr;
                next = stop + 1;
            }
        }
        std::string line(text.substr(at, stop - at));
        at = next;

        if (const auto name = HeaderName(line)) {
            AddSectionIndex(*name, blocks_.size());
            Block block;
            block.hasHeader = true;
            block.header.text = std::move(line);
            block.header.end = end;
            blocks_.push_back(std::move(block));
        } else {
            blocks_.back().body.push_back(ParseBodyLine(std::move(line), end));
        }
    }
}

ProfileDocument::Line ProfileDocument::ParseBodyLine(std::string text, LineEnd end)
{
    Line line;
    line.text = std::move(text);
    line.end = end;
    const std::string_view view = line.text;
    const std::string_view trimmed = Trimmed(view);
    const auto equals = view.find('=');
    if (trimmed.empty() || trimmed.front() == ';' || equals == std::string_view::npos)
        return line;
    const std::string_view key = Trimmed(view.substr(0, equals));
    line.isKey = true;
    line.keyBegin = static_cast<std::size_t>(key.data() - view.data());
    line.keyEnd = line.keyBegin + key.size();
    return line;
}

std::string_view ProfileDocument::ValueOf(const Line& line)
{
    std::string_view value = Trimmed(std::string_view(line.text).substr(line.text.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

void ProfileDocument::AddSectionIndex(std::string_view name, std::size_t block)
{
    sections_.emplace(Lowered(name), block);  // keeps the first of two equal names
}

std::size_t ProfileDocument::FindBlock(std::string_view section) const
{
    if (lastValid_ && section == lastSection_)
        return lastBlock_;
    const auto found = sections_.find(Lowered(section));
    lastSection_.assign(section);
    lastBlock_ = found == sections_.end() ? 0 : found->second;
    lastValid_ = true;
    return lastBlock_;
}

bool ProfileDocument::HasSection(std::string_view section) const
{
    return FindBlock(section) != 0;
}

std::optional<std::string_view> ProfileDocument::Find(std::string_view section, std::string_view key) const
{
    const std::size_t block = FindBlock(section);
    if (block == 0)
        return std::nullopt;
    for (const Line& line : blocks_[block].body)
        if (line.isKey && EqualNoCase(std::string_view(line.text).substr(line.keyBegin, line.keyEnd - line.keyBegin), key))
            return ValueOf(line);
    return std::nullopt;
}

ProfileDocument::Line& ProfileDocument::LastLine()
{
    Block& last = blocks_.back();
    return last.body.empty() ? last.header : last.body.back();
}

bool ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    if (section.empty() || key.empty() || HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value))
        return false;
    std::size_t block = FindBlock(section);
    if (block == 0) {
        // A new section goes at the end, right after the last line.
        if (blocks_.size() > 1 || !blocks_.front().body.empty())
            if (Line& last = LastLine(); last.end == LineEnd::None)
                last.end = LineEnd::CrLf;
        Block added;
        added.hasHeader = true;
        added.header.text = "[" + std::string(section) + "]";
        block = blocks_.size();
        blocks_.push_back(std::move(added));
        AddSectionIndex(section, block);
        lastValid_ = false;
    }

    std::vector<Line>& body = blocks_[block].body;
    for (Line& line : body) {
        if (!line.isKey)
            continue;
        const std::string_view spelling = std::string_view(line.text).substr(line.keyBegin, line.keyEnd - line.keyBegin);
        if (EqualNoCase(spelling, key)) {
            line = ParseBodyLine(KeyLine(spelling, value), LineEnd::CrLf);
            return true;
        }
    }

    // A new key follows the section's last line that is not blank, so the
    // blank lines that part it from the next section stay after it.
    auto at = std::find_if(body.rbegin(), body.rend(), [](const Line& line) { return !Trimmed(line.text).empty(); }).base();
    Line& before = at == body.begin() ? blocks_[block].header : *(at - 1);
    if (before.end == LineEnd::None)
        before.end = LineEnd::CrLf;
    body.insert(at, ParseBodyLine(KeyLine(key, value), LineEnd::CrLf));
    return true;
}

const char* ProfileDocument::EndText(LineEnd end)
{
    switch (end) {
    case LineEnd::None: return "";
    case LineEnd::Cr: return "\r";
    case LineEnd::Lf: return "\n";
    case LineEnd::CrLf: return "\r\n";
    }
    return "";
}

std::string ProfileDocument::Text() const
{
    std::size_t size = 0;
    for (const Block& block : blocks_) {
        size += block.header.text.size() + 2;
        for (const Line& line : block.body)
            size += line.text.size() + 2;
    }
    std::string text;
    text.reserve(size);
    for (const Block& block : blocks_) {
        if (block.hasHeader)
            text.append(block.header.text).append(EndText(block.header.end));
        for (const Line& line : block.body)
            text.append(line.text).append(EndText(line.end));
    }
    return text;
}
