// TSet: a set of up to 64 values of an enumeration, as published set
// properties and state flags need (ControlStyle, ComponentState, ...).
#pragma once

#include <cstdint>
#include <initializer_list>

template <typename E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> items)
    {
        for (E item : items)
            bits_ |= Bit(item);
    }
    static constexpr TSet FromBits(uint64_t bits)
    {
        TSet s;
        s.bits_ = bits;
        return s;
    }

    constexpr bool Contains(E item) const { return (bits_ & Bit(item)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr uint64_t Bits() const { return bits_; }

    TSet& Include(E item) { bits_ |= Bit(item); return *this; }
    TSet& Exclude(E item) { bits_ &= ~Bit(item); return *this; }

    constexpr TSet operator+(TSet other) const { return FromBits(bits_ | other.bits_); }
    constexpr TSet operator-(TSet other) const { return FromBits(bits_ & ~other.bits_); }
    constexpr TSet operator*(TSet other) const { return FromBits(bits_ & other.bits_); }
    constexpr bool operator==(TSet other) const { return bits_ == other.bits_; }
    constexpr bool operator!=(TSet other) const { return bits_ != other.bits_; }

private:
    static constexpr uint64_t Bit(E item) { return uint64_t(1) << static_cast<unsigned>(item); }
    uint64_t bits_ = 0;
};
