#include "files/board_file.h"

#include "files/profile_store.h"
#include "files/square_sections.h"

#include <array>

namespace {

constexpr const char* kGeneral = "GENERAL";

// What a board file holds, read into a board of its own before the real
// one is touched.
struct BoardContent {
    int32_t mode = 0;
    uint32_t time = 0;
    std::array<Box, 9> boxes;
};

bool HoldsBoardSections(ProfileStore& store)
{
    if (store.HasSection(kGeneral))
        return true;
    for (int b = 0; b < 9; ++b)
        for (int c = 0; c < 9; ++c)
            if (store.HasSection(SquareSectionName(b, c)))
                return true;
    return false;
}

FileResult OutOfRange(const std::string& path, const std::string& section, const char* key, int32_t value,
                      int highest)
{
    return FileResult::Failure(Quoted(path) + " is not a board file: section " + section + ", key " + key +
                               " has the value " + std::to_string(value) + ", which is outside 0 to " +
                               std::to_string(highest) + ".");
}

// The rest of the program indexes candidates by digit and switches on the
// mode, so values outside their ranges are refused here, not carried in.
FileResult Validate(const BoardContent& content, const std::string& path)
{
    if (content.mode < 0 || content.mode > 3)
        return OutOfRange(path, kGeneral, "MODE", content.mode, 3);
    for (int b = 0; b < 9; ++b)
        for (int c = 0; c < 9; ++c) {
            const Cell& cell = content.boxes[b].cells[c];
            if (cell.selected < 0 || cell.selected > 9)
                return OutOfRange(path, SquareSectionName(b, c), "SELECTED", cell.selected, 9);
            if (cell.given < 0 || cell.given > 1)
                return OutOfRange(path, SquareSectionName(b, c), "GIVEN", cell.given, 1);
        }
    return FileResult::Success();
}

}  // namespace

FileResult SaveToFile(Board& board, const std::string& path)
{
    return SaveToFile(board, path, WriteFaultHook());
}

FileResult SaveToFile(Board& board, const std::string& path, const WriteFaultHook& fault)
{
    ProfileStore store(path);
    store.Clear();  // the file ends up holding the board's sections and nothing else
    store.WriteInt(kGeneral, "MODE", static_cast<int32_t>(board.GetMode()));
    store.WriteUInt(kGeneral, "TIME", board.GetTime());
    for (int b = 0; b < 9; ++b)
        WriteTo(board.GetBox(b), store, b);
    FileResult result = store.Commit(fault);
    if (result.ok) {
        board.SetModified(false);
        board.SetFileName(path);
    }
    return result;
}

FileResult LoadFromFile(Board& board, const std::string& path)
{
    ProfileStore store(path);
    if (FileResult read = store.Load(); !read.ok)
        return read;
    if (!HoldsBoardSections(store))
        return FileResult::Failure(Quoted(path) + " is not a board file: it has no GENERAL section and no DIGIT section.");

    BoardContent content;
    content.mode = store.ReadInt(kGeneral, "MODE", 0);
    content.time = store.ReadUInt(kGeneral, "TIME", 0);
    for (int b = 0; b < 9; ++b)
        ReadFrom(content.boxes[b], store, b);
    if (FileResult valid = Validate(content, path); !valid.ok)
        return valid;

    board.StoreMode(static_cast<BoardMode>(content.mode));
    board.SetTime(content.time);
    for (int b = 0; b < 9; ++b)
        for (int c = 0; c < 9; ++c) {
            const Cell& read = content.boxes[b].cells[c];
            Cell& cell = board.GetCell(b, c);
            cell.selected = read.selected;
            cell.given = read.given;
            cell.visible = read.visible;
        }
    board.SetModified(false);
    return FileResult::Success();
}
