#include "conversion/notation.h"

#include "conversion/binary.h"
#include "conversion/dotted_decimal.h"
#include "conversion/hexadecimal.h"

#include <algorithm>

namespace numo {

std::vector<std::uint8_t> ReadBytes(
    Notation notation, std::u16string_view text, ByteStructure *where)
{
    // The bytes and where they sit come from the one reader of the notation.
    switch (notation) {
    case Notation::DottedDecimal: {
        const auto values = ReadDottedDecimal(text, where);
        std::vector<std::uint8_t> bytes(values.size());
        std::transform(values.begin(), values.end(), bytes.begin(),
            [](const DottedValue &value) { return value.lowByte; });
        return bytes;
    }
    case Notation::Hexadecimal:
        return ReadHex(text, where);
    case Notation::Binary:
        return ReadBinary(text, where);
    case Notation::TextLine:
        return ReadTextLine(text, where);
    }
    return {};
}

} // namespace numo
