// SPDX-License-Identifier: GPL-3.0-or-later
// The game's arithmetic: 16-bit whole numbers that fail instead of wrapping, and its two roundings.
#pragma once

#include <cmath>
#include <concepts>
#include <cstdint>
#include <stdexcept>

namespace zorvik {

// A whole number left its 16-bit range; handlers treat it like any other failure.
class OverflowError : public std::overflow_error {
public:
    OverflowError() : std::overflow_error("whole number out of range") {}
};

// Int(): towards minus infinity.
inline double Int(double value) { return std::floor(value); }

// Conversions of a number to a whole number: to the nearest, halves to the even neighbour.
inline double roundHalfEven(double value)
{
    // Adding 2^52 leaves no bits below the units, and the default rounding of that sum is already
    // half to even; done inline, as every ring colour of the painters needs three of these.
    constexpr double kUnitsOnly = 4503599627370496.0;
    if (!(std::fabs(value) < kUnitsOnly))
        return value;  // already whole, or not a number
    const double shift = std::copysign(kUnitsOnly, value);
    return std::copysign((value + shift) - shift, value);
}

// A 16-bit signed whole number. Only whole values go in; numbers come in through toWhole().
class Whole {
public:
    constexpr Whole() = default;
    template <std::integral T>
    constexpr Whole(T value) : value_(narrow(static_cast<long long>(value)))
    {
    }

    constexpr operator int() const { return value_; }

    constexpr Whole& operator++() { return *this = value_ + 1; }
    constexpr Whole& operator--() { return *this = value_ - 1; }

private:
    static constexpr std::int16_t narrow(long long value)
    {
        if (value < INT16_MIN || value > INT16_MAX)
            throw OverflowError();
        return static_cast<std::int16_t>(value);
    }

    std::int16_t value_ = 0;
};

// A number stored into a whole-number field.
inline Whole toWhole(double value)
{
    double rounded = roundHalfEven(value);
    if (!(rounded >= INT16_MIN && rounded <= INT16_MAX))
        throw OverflowError();
    return Whole(static_cast<int>(rounded));
}

} // namespace zorvik
