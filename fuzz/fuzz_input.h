// Fuzz input as a 16-bit text: pairs of bytes, little-endian, so every unit can occur.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace numo::fuzz {

inline std::u16string TextOf(const std::uint8_t *data, std::size_t size)
{
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    return text;
}

// An invariant that must hold for every input; a failure is a finding.
inline void Require(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace numo::fuzz
