// The texts of the main window's nine text boxes and the binary caption's byte count, as one
// value: what the conversion cascade reads and writes, and what the window shows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace numo {

// The text boxes Text1 to Text9, in that order, named by role.
enum class Field : std::uint8_t {
    DottedDecimal, // Text1
    Hexadecimal,   // Text2
    Binary,        // Text3
    LargeDecimal,  // Text4
    TextLine,      // Text5
    NamingScheme,  // Text6: the composed line, also put on the clipboard
    Prefix,        // Text7
    Suffix,        // Text8
    NamingValue,   // Text9: the chosen value of the naming scheme
};

inline constexpr std::size_t kFieldCount = 9;

// The items of the two lists, as the window shows them and the settings file keeps them: the
// value the naming scheme uses (List1), in this order, and the entry mode (List2).
inline constexpr std::u16string_view kAsciiValue = u"ASCII Value";
inline constexpr std::u16string_view kHexValue = u"Hex Value";
inline constexpr std::u16string_view kBinaryValue = u"Binary Value";
inline constexpr std::u16string_view kSingleKey = u"Single Key";
inline constexpr std::u16string_view kString = u"String";

struct FieldSet
{
    std::array<std::u16string, kFieldCount> texts;
    // Label3 shows this count once the binary conversion has decoded bytes; 0 keeps its caption.
    std::size_t binaryByteCount = 0;

    [[nodiscard]] std::u16string &operator[](Field field)
    {
        return texts[static_cast<std::size_t>(field)];
    }
    [[nodiscard]] const std::u16string &operator[](Field field) const
    {
        return texts[static_cast<std::size_t>(field)];
    }

    friend bool operator==(const FieldSet &, const FieldSet &) = default;
};

} // namespace numo
