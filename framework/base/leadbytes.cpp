#include "framework/base/leadbytes.h"

TLeadBytes TLeadBytes::FromRanges(const uint8_t* ranges, int maxPairs)
{
    TLeadBytes table;
    for (int pair = 0; pair < maxPairs; ++pair) {
        const uint8_t first = ranges[2 * pair];
        const uint8_t last = ranges[2 * pair + 1];
        if (first == 0 && last == 0)
            break;
        for (int byte = first; byte <= last; ++byte)
            table.lead_.set(byte);
    }
    return table;
}
