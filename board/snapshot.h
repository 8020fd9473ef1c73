#pragma once

#include "board/box.h"

#include <array>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// What undo restores of a Board, packed: per square 4 bits of digit, 1 bit
// of given and 9 candidate bits in one 16-bit word, then mode and modified.
// Digits are 0-9 and flags 0/1 everywhere in the model, so nothing is lost.
struct Snapshot {
    std::array<uint16_t, 81> squares;
    int32_t mode;
    int32_t modified;

    static uint16_t Pack(const Cell& cell);
    static void Unpack(uint16_t bits, Cell& cell);  // as Cell::CopyFrom: highlighted becomes 0
};

namespace snapshot_detail {

using Flags = std::array<int32_t, 9>;

// The nine candidate flags for every 9-bit pattern: unpacking is one copy.
struct FlagTable {
    std::array<Flags, 512> rows{};
    constexpr FlagTable()
    {
        for (unsigned bits = 0; bits < 512; ++bits)
            for (unsigned i = 0; i < 9; ++i)
                rows[bits][i] = static_cast<int32_t>((bits >> i) & 1u);
    }
};
inline constexpr FlagTable kFlagTable{};

}  // namespace snapshot_detail

inline uint16_t Snapshot::Pack(const Cell& cell)
{
#if defined(__SSE2__)
    // Four flags per compare: this loop runs 81 times for every action undo guards.
    const __m128i zero = _mm_setzero_si128();
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&cell.visible[0]));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&cell.visible[4]));
    const unsigned lowZero = static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(low, zero))));
    const unsigned highZero = static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(high, zero))));
    const unsigned candidates = (~(lowZero | highZero << 4) & 0xFFu) | static_cast<unsigned>(cell.visible[8] != 0) << 8;
#else
    unsigned candidates = 0;
    for (unsigned i = 0; i < 9; ++i)
        candidates |= static_cast<unsigned>(cell.visible[i] != 0) << i;
#endif
    const unsigned bits = (static_cast<unsigned>(cell.selected) & 0xFu) |
                          (static_cast<unsigned>(cell.given != 0) << 4) | (candidates << 5);
    return static_cast<uint16_t>(bits);
}

inline void Snapshot::Unpack(uint16_t bits, Cell& cell)
{
    cell.selected = bits & 0xF;
    cell.given = (bits >> 4) & 1;
    cell.highlighted = 0;
    cell.visible = snapshot_detail::kFlagTable.rows[bits >> 5];
}
