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
    double rounded = std::round(value);  // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5)
        rounded = 2.0 * std::round(value / 2.0);
    return rounded;
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
