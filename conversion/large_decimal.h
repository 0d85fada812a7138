// A large number split into base-256 groups.
#pragma once

#include <string>

namespace numo {

// Six groups G5 (256^5 and up, not limited to a byte) down to G0 (the rest), each preceded by
// one blank: 999999999 gives " 0 0 59 154 201 255". A whole group is written in exact decimal
// digits without exponent; a fractional or negative rest G0 in the shortest form that reads
// back as the same double, with "." as decimal point ("44.5", "-5.25"); negative zero is "0".
// A number that is not finite gives the empty text.
[[nodiscard]] std::u16string LargeDecimalToBytes(double number);

} // namespace numo
