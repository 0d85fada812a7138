// The bit-pattern tables: the 16 four-character and the 256 eight-character patterns that the
// dotted-decimal conversion looks its binary groups up in.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace numo {

// Indexes 0 to kLastSlot are slots of a table; only the first 16 (nibbles) or 256 (bytes) of
// them hold a pattern, the rest answer the empty text.
inline constexpr std::int64_t kLastSlot = 10000;

template <std::size_t Patterns> class BitPatternTable
{
public:
    // The pattern in slot `index`; the empty text for every other index, also outside
    // 0..kLastSlot and for negative indexes.
    [[nodiscard]] std::u16string_view operator[](std::int64_t index) const
    {
        if (index < 0 || static_cast<std::uint64_t>(index) >= Patterns)
            return {};
        return patterns[static_cast<std::size_t>(index)];
    }

    std::array<std::u16string, Patterns> patterns{};
};

using NibbleBitTable = BitPatternTable<16>;
using ByteBitPatternTable = BitPatternTable<256>;

struct BitPatternTables
{
    NibbleBitTable NibbleTable;
    ByteBitPatternTable ByteBitTable;
};

// Builds both tables: the nibbles "0000" to "1111", then each byte as its high nibble's pattern
// followed by its low nibble's, most significant bit first.
[[nodiscard]] BitPatternTables BuildBitPatternTables();

} // namespace numo
