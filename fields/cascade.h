// The conversion cascade: what each conversion button and the text-line conversion do to the
// field set, without a window. The handlers run one another nested, bounded by the cascade
// depth, a signed 16-bit counter that is 0 again when a user event has been handled:
//
//   Command2 (large decimal), ConvertTextLine: if depth < 5, depth + 1 and run Command1
//   Command1 (dotted decimal):                 if depth < 5, depth + 1 and run Command4
//   Command4 (hexadecimal):                    always run Command1, then depth := 0
//   Command6 (binary):                         neither tests nor changes the depth
//
// The reruns only normalise the fields; every conversion is deterministic.
#pragma once

#include "conversion/bit_tables.h"
#include "fields/field_set.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace numo::cascade {

inline constexpr std::int16_t kDepthLimit = 5;

// The window-level state the cascade uses: the bit patterns and the depth counter.
struct State
{
    const ByteBitPatternTable &byteBitTable;
    std::int16_t &depth;
};

// Reads a large decimal number; nothing when the text is not one.
using NumberReader = std::function<std::optional<double>(std::u16string_view)>;

// Dotted decimal to hexadecimal and binary.
void Command1(FieldSet &fields, State state);
// Large decimal to bytes: an empty field first becomes "65535". False, with nothing converted,
// when `readNumber` reads no number.
[[nodiscard]] bool Command2(FieldSet &fields, State state, const NumberReader &readNumber);
// Hexadecimal to dotted decimal and the text line; a blank is appended to the hexadecimal field
// first, which closes a lone last digit.
void Command4(FieldSet &fields, State state);
// Clear All: the number fields, the text line and the naming-scheme line.
void Command5(FieldSet &fields);
// Binary to the text line and the count of decoded bytes (kept when none were decoded).
void Command6(FieldSet &fields);
// The text line to its codes, then the naming scheme composed from the value that `choice` (the
// selected item of List1) names; any other choice leaves the value field and gives an empty value.
void ConvertTextLine(FieldSet &fields, State state, std::u16string_view choice);
// Single-key mode's key press: the fields are emptied before the key's character is entered.
void ClearForSingleKey(FieldSet &fields);

} // namespace numo::cascade
