// A set of flags of one kind. Each kind is its own type, so a flag of one set cannot be
// tested against or stored in another by mistake.
#pragma once

template <class Kind>
class FlagSet {
public:
    constexpr FlagSet() = default;
    static constexpr FlagSet Bit(unsigned bit) { return FlagSet(1u << bit); }

    constexpr explicit operator bool() const { return bits_ != 0; }
    constexpr bool operator==(const FlagSet&) const = default;
    constexpr FlagSet operator~() const { return FlagSet(~bits_); }
    friend constexpr FlagSet operator|(FlagSet a, FlagSet b) { return FlagSet(a.bits_ | b.bits_); }
    friend constexpr FlagSet operator&(FlagSet a, FlagSet b) { return FlagSet(a.bits_ & b.bits_); }
    constexpr FlagSet& operator|=(FlagSet other) { bits_ |= other.bits_; return *this; }
    constexpr FlagSet& operator&=(FlagSet other) { bits_ &= other.bits_; return *this; }

private:
    constexpr explicit FlagSet(unsigned bits) : bits_(bits) {}
    unsigned bits_ = 0;
};
