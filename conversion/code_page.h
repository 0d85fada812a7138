// The program's single-byte code page: Windows-1252 on every platform, so codes and files
// are the same everywhere.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace numo {

// The code given to a character that the code page cannot hold ("?").
inline constexpr std::uint8_t kUnmappableCode = 63;

// The character of a code. All 256 codes map to a character and back: the five codes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for U+0081 ... U+009D.
[[nodiscard]] char16_t CodeToChar(std::uint8_t code);

// The code of a character; kUnmappableCode for a 16-bit unit the code page has no code for.
[[nodiscard]] std::uint8_t CharToCode(char16_t ch);

// Whether CharToCode(ch) is the character's own code rather than the stand-in "?".
[[nodiscard]] bool IsInCodePage(char16_t ch);

// Whole texts: one character per byte, and one byte per 16-bit unit.
[[nodiscard]] std::u16string BytesToText(std::string_view bytes);
[[nodiscard]] std::string TextToBytes(std::u16string_view text);

} // namespace numo
