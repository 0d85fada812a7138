// Dotted decimal ("140.0.255.255", "10 0 0 1") to dash-joined hexadecimal pairs and binary groups.
#pragma once

#include "conversion/bit_tables.h"
#include "conversion/byte_structure.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace numo {

// One decimal value of the field. Values of any size are accepted: `lowByte` is the value
// modulo 256 (the rendered hexadecimal pair) and `aboveByte` tells a value above 255, whose
// binary group is empty.
struct DottedValue
{
    std::uint8_t lowByte = 0;
    bool aboveByte = false;

    friend bool operator==(const DottedValue &, const DottedValue &) = default;
};

struct DottedConversion
{
    std::vector<DottedValue> values; // never empty: one more than the number of separators
    std::u16string hexLine;          // "8C-00-FF-FF": one upper-case pair a value
    std::u16string binaryLine;       // "10001100-...": one ByteBitTable group a value
};

// The dotted-decimal reading rule. Every "." ends a value; every run of other characters that
// are not ASCII digits (blanks, tabs, line breaks, commas, letters, ...) is one separator, and a
// text that starts with such a run begins with an empty value. A value without digits is 0, so
// the empty text is the single value 0. With `where`, each value's span is its digits (an empty
// span where a value without digits stands) and a value above 255 is marked.
[[nodiscard]] std::vector<DottedValue> ReadDottedDecimal(
    std::u16string_view text, ByteStructure *where = nullptr);

// Renders the values that ReadDottedDecimal reads.
[[nodiscard]] DottedConversion ConvertDottedDecimal(
    std::u16string_view text, const ByteBitPatternTable &byteBitTable);

} // namespace numo
