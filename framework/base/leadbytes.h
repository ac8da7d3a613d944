// Which bytes open a double-byte character in a code page. Byte-level and
// free of windows.h so that text routines using it can be built anywhere.
#pragma once

#include <bitset>
#include <cstdint>

class TLeadBytes {
public:
    // No lead bytes: every byte is a character of its own (code page 1252).
    TLeadBytes() = default;

    // From inclusive (first, last) byte ranges as the system lists them:
    // pairs ending at a pair of zeros, at most maxPairs pairs read.
    static TLeadBytes FromRanges(const uint8_t* ranges, int maxPairs);

    bool IsLead(uint8_t byte) const { return lead_[byte]; }
    bool Any() const { return lead_.any(); }

private:
    std::bitset<256> lead_;
};
