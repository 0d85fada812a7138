#include "fields/cascade.h"

#include "conversion/binary.h"
#include "conversion/dotted_decimal.h"
#include "conversion/hexadecimal.h"
#include "conversion/large_decimal.h"
#include "conversion/naming_scheme.h"
#include "conversion/text_codes.h"

namespace numo::cascade {

namespace {

    // Steps one level deeper when the bound allows it.
    bool Deeper(State state)
    {
        if (state.depth >= kDepthLimit)
            return false;
        ++state.depth;
        return true;
    }

} // namespace

void Command1(FieldSet &fields, State state)
{
    auto rendered = ConvertDottedDecimal(fields[Field::DottedDecimal], state.byteBitTable);
    fields[Field::Hexadecimal] = std::move(rendered.hexLine);
    fields[Field::Binary] = std::move(rendered.binaryLine);
    if (Deeper(state))
        Command4(fields, state);
}

bool Command2(FieldSet &fields, State state, const NumberReader &readNumber)
{
    if (fields[Field::LargeDecimal].empty())
        fields[Field::LargeDecimal] = u"65535";
    const auto number = readNumber(fields[Field::LargeDecimal]);
    if (!number)
        return false;
    fields[Field::DottedDecimal] = LargeDecimalToBytes(*number);
    if (Deeper(state))
        Command1(fields, state);
    return true;
}

void Command4(FieldSet &fields, State state)
{
    fields[Field::Hexadecimal] += u' ';
    auto parsed = ConvertHexToDec(fields[Field::Hexadecimal]);
    fields[Field::TextLine] = std::move(parsed.textLine);
    fields[Field::DottedDecimal] = std::move(parsed.decimalLine);
    Command1(fields, state);
    state.depth = 0;
}

void Command5(FieldSet &fields)
{
    for (const Field field : {Field::DottedDecimal, Field::Hexadecimal, Field::Binary,
             Field::LargeDecimal, Field::TextLine, Field::NamingScheme})
        fields[field].clear();
}

void Command6(FieldSet &fields)
{
    auto decoded = ConvertBinaryToAscii(fields[Field::Binary]);
    fields[Field::TextLine] = std::move(decoded.textLine);
    if (decoded.byteCount > 0)
        fields.binaryByteCount = decoded.byteCount;
}

void ConvertTextLine(FieldSet &fields, State state, std::u16string_view choice)
{
    fields[Field::DottedDecimal] = TextToCodes(fields[Field::TextLine]);
    if (Deeper(state))
        Command1(fields, state);
    std::optional<Field> source;
    if (choice == kAsciiValue)
        source = Field::DottedDecimal;
    else if (choice == kHexValue)
        source = Field::Hexadecimal;
    else if (choice == kBinaryValue)
        source = Field::Binary;
    std::u16string value;
    if (source) {
        value = fields[*source];
        fields[Field::NamingValue] = value;
    }
    fields[Field::NamingScheme] = NamingScheme(fields[Field::Prefix], value, fields[Field::Suffix]);
}

void ClearForSingleKey(FieldSet &fields)
{
    for (const Field field : {Field::TextLine, Field::LargeDecimal, Field::Binary,
             Field::Hexadecimal, Field::DottedDecimal})
        fields[field].clear();
}

} // namespace numo::cascade
