#include "files/square_sections.h"

std::string SquareSectionName(int box, int cell)
{
    return "DIGIT(" + std::to_string(box) + "," + std::to_string(cell) + ")";
}

std::string VisibleText(const Cell& cell)
{
    std::string text(9, '0');
    for (int k = 0; k < 9; ++k)
        if (cell.visible[k] != 0)
            text[k] = '1';
    return text;
}

void ReadVisibleText(Cell& cell, std::string_view text)
{
    for (std::size_t k = 0; k < 9; ++k)
        cell.visible[k] = (k < text.size() && text[k] == '1') ? 1 : 0;
}

void WriteTo(const Cell& cell, ProfileStore& store, int box, int cellIndex)
{
    const std::string section = SquareSectionName(box, cellIndex);
    store.WriteInt(section, "SELECTED", cell.selected);
    store.WriteInt(section, "GIVEN", cell.given);
    store.WriteString(section, "VISIBLE", VisibleText(cell));
}

void ReadFrom(Cell& cell, ProfileStore& store, int box, int cellIndex)
{
    const std::string section = SquareSectionName(box, cellIndex);
    cell.selected = store.ReadInt(section, "SELECTED", 0);
    cell.given = store.ReadInt(section, "GIVEN", 0);
    ReadVisibleText(cell, store.ReadString(section, "VISIBLE", "111111111"));
}

void WriteTo(const Box& box, ProfileStore& store, int boxIndex)
{
    for (int c = 0; c < 9; ++c)
        WriteTo(box.cells[c], store, boxIndex, c);
}

void ReadFrom(Box& box, ProfileStore& store, int boxIndex)
{
    for (int c = 0; c < 9; ++c)
        ReadFrom(box.cells[c], store, boxIndex, c);
}
