#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The text of a profile file held as lines, with the rules by which
// section/key/value files are read and updated: names match without regard
// to case, the first of two equal sections or keys wins, and an update
// touches one line and leaves every other line as it was.
class ProfileDocument {
public:
    ProfileDocument() = default;
    explicit ProfileDocument(std::string_view text);

    // The key's value, blanks trimmed and one pair of quotes removed; none
    // when the section or the key is missing. Valid until the next Set.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;

    // Replaces the key's value in place, or adds the key at the end of its
    // section, or the section at the end of the text. False, with nothing
    // changed, when a name or the value holds a line break or a name is empty.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    // The whole text as a file would hold it.
    std::string Text() const;

private:
    enum class LineEnd : unsigned char { None, Cr, Lf, CrLf };

    struct Line {
        std::string text;  // without its line end
        LineEnd end = LineEnd::CrLf;
        // For a key line: the trimmed key name, [keyBegin, keyEnd) in text.
        bool isKey = false;
        std::size_t keyBegin = 0, keyEnd = 0;
    };

    // A section header and the lines up to the next header. The lines
    // before the first header form a block without a header.
    struct Block {
        bool hasHeader = false;
        Line header;
        std::vector<Line> body;
    };

    static Line ParseBodyLine(std::string text, LineEnd end);
    static std::string_view ValueOf(const Line& line);
    std::size_t FindBlock(std::string_view section) const;
    void AddSectionIndex(std::string_view name, std::size_t block);
    Line& LastLine();
    static const char* EndText(LineEnd end);

    std::vector<Block> blocks_ = std::vector<Block>(1);  // [0]: the lines before the first header
    // Lower-case section name -> its first block.
    std::unordered_map<std::string, std::size_t> sections_;
    // A save writes three keys into each section in a row.
    mutable std::string lastSection_;
    mutable std::size_t lastBlock_ = 0;
    mutable bool lastValid_ = false;
};
