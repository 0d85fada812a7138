// The notations a field shows its bytes in, and the one call that reads any of them.
#pragma once

#include "conversion/byte_structure.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace numo {

enum class Notation : std::uint8_t { DottedDecimal, Hexadecimal, Binary, TextLine };

// The bytes a text in a notation describes, read by that notation's one reader; with `where`,
// also where each byte sits and the marks. Dotted decimal gives each value's low byte.
[[nodiscard]] std::vector<std::uint8_t> ReadBytes(
    Notation notation, std::u16string_view text, ByteStructure *where = nullptr);

} // namespace numo
