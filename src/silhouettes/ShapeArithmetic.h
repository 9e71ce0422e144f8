#pragma once

#include <QtGlobal>

// A whole number of twips as the shape drawing computes it: 32-bit signed,
// and a result outside that range is the "Overflow" error (6) of the
// procedure that draws, never a wrapped value. Literals take part as they
// are: x - 3 * s, y + 30.
class Whole
{
public:
    constexpr Whole(qint32 value = 0) : value(value) {}

    // The nearest whole number, an exact half to the even neighbour, as the
    // drawing converts scaled positions, sizes and kinds.
    static Whole Round(double value);

    constexpr qint32 Value() const { return value; }
    // Handed to the drawing surface in single precision.
    constexpr float F() const { return static_cast<float>(value); }
    constexpr double D() const { return value; }

    friend Whole operator+(Whole a, Whole b);
    friend Whole operator-(Whole a, Whole b);
    friend Whole operator*(Whole a, Whole b);
    friend constexpr bool operator==(Whole a, Whole b) { return a.value == b.value; }
    friend constexpr bool operator!=(Whole a, Whole b) { return a.value != b.value; }

private:
    qint32 value;
};

// Throws the numbered "Overflow" error.
[[noreturn]] void RaiseOverflow();

inline Whole operator+(Whole a, Whole b)
{
    qint32 r = 0;
    if (__builtin_add_overflow(a.value, b.value, &r))
        RaiseOverflow();
    return Whole(r);
}

inline Whole operator-(Whole a, Whole b)
{
    qint32 r = 0;
    if (__builtin_sub_overflow(a.value, b.value, &r))
        RaiseOverflow();
    return Whole(r);
}

inline Whole operator*(Whole a, Whole b)
{
    qint32 r = 0;
    if (__builtin_mul_overflow(a.value, b.value, &r))
        RaiseOverflow();
    return Whole(r);
}
