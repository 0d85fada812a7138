// What the main window shows of a conversion's work, decided as plain functions of the four
// byte fields' texts and their readings: which byte of one field is which byte of another,
// which fields are out of step and why, the cues each character carries, and the words of a
// byte's tool tip. The window only paints them.
#pragma once

#include "conversion/byte_structure.h"
#include "conversion/notation.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace numo::work {

// Above this many characters a field keeps no byte structure, cues or links (its spans take 16
// bytes per byte); agreement between the fields is still computed. At this size a 1 MB
// hexadecimal conversion takes as long with the structure as without it.
inline constexpr std::size_t kStructureLimit = 1'000'000;

// A field as its notation's reader reads it.
struct Reading
{
    Notation notation = Notation::Hexadecimal;
    std::u16string text;
    ByteStructure structure;
    std::vector<std::uint8_t> bytes;
    std::uint64_t serial = 0; // when the text last changed, counted over all fields; 0: never
};

// The four fields the display shows: dotted decimal, hexadecimal, binary, text line.
using Readings = std::array<Reading, 4>;

// Reads `text` into `reading`, which becomes the newest reading as `serial` says.
void Read(Reading &reading, std::u16string text, std::uint64_t serial);

// Byte k of field a is byte k + offsets[a][b] of field b; nothing where the fields differ or
// either is empty.
using Offsets = std::array<std::array<std::optional<std::ptrdiff_t>, 4>, 4>;
[[nodiscard]] Offsets LinkOffsets(const Readings &readings);

// The byte of field `to` that is byte `byte` of field `from`, if `to` has it.
[[nodiscard]] std::optional<std::size_t> LinkedByte(const Readings &readings,
    const Offsets &offsets, std::size_t from, std::size_t byte, std::size_t to);

// A field is out of step when it has text and its bytes are not those of the newest field with
// text, the reference.
struct Step
{
    bool stale = false;
    std::size_t reference = 0;
};
[[nodiscard]] std::array<Step, 4> OutOfStep(const Readings &readings, const Offsets &offsets);

// The byte whose characters include text position `at`; a caret right after a byte is on it.
[[nodiscard]] std::optional<std::size_t> ByteAt(
    const ByteStructure &structure, std::size_t at, bool caret);

// The cues a character can carry; a run of characters with the same cues is one format.
inline constexpr std::uint8_t kAlternate = 1; // every second byte
inline constexpr std::uint8_t kLinked = 2;    // the byte under the caret or pointer elsewhere
inline constexpr std::uint8_t kWave = 4;      // read differently than it is written
inline constexpr std::uint8_t kSkipped = 8;   // not read at all: a separator nobody expects
inline constexpr std::uint8_t kIgnored = 16;  // not read at all: too short for a group

// The cues of characters [begin, end) of the text, with byte `linked` linked.
[[nodiscard]] std::vector<std::uint8_t> Cues(
    const Reading &reading, std::optional<std::size_t> linked, std::size_t begin, std::size_t end);

// A field's name as its caption gives it.
[[nodiscard]] std::u16string NameOf(Notation notation);
// A visible stand-in for a control character (U+2400 block, or U+0080 and the like), else the
// character itself.
[[nodiscard]] std::u16string Visible(char16_t ch);
// Why a field is out of step with its reference.
[[nodiscard]] std::u16string OutOfStepNote(const Reading &here, const Reading &reference);
// What the mark at text position `at` says; empty where there is none.
[[nodiscard]] std::u16string MarkNote(const Reading &reading, std::size_t at);
// The tool tip of the character at text position `at`: its code in the text line; elsewhere
// its byte's figures and the mark's note. Empty past the text.
[[nodiscard]] std::u16string ByteNote(const Reading &reading, std::size_t at);

} // namespace numo::work
