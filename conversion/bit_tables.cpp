#include "conversion/bit_tables.h"

namespace numo {

BitPatternTables BuildBitPatternTables()
{
    BitPatternTables tables;
    for (std::size_t value = 0; value < 16; ++value) {
        std::u16string &pattern = tables.NibbleTable.patterns[value];
        for (int bit = 3; bit >= 0; --bit)
            pattern += ((value >> bit) & 1u) ? u'1' : u'0';
    }
    std::size_t k = 0;
    for (std::size_t high = 0; high < 16; ++high) {
        for (std::size_t low = 0; low < 16; ++low) {
            tables.ByteBitTable.patterns[k] =
                tables.NibbleTable.patterns[high] + tables.NibbleTable.patterns[low];
            ++k;
        }
    }
    return tables;
}

} // namespace numo
