#pragma once

// Checked double-precision arithmetic for the engine's formulas.
//
// `Num` wraps a double and tests the result of every operation on it: a result
// that would be NaN or infinite raises FloatingPointFault instead. Formulas are
// written with ordinary operators, so each equation reads as in its source
// while none of its intermediate results can go astray silently. This is the
// portable equivalent of trapping the FPU's invalid, divide-by-zero and
// overflow exceptions, without depending on hardware traps or <cfenv> flags
// that the optimiser is free to reorder.

#include "engine/FloatingPointFault.h"

#include <cmath>
#include <compare>

namespace basPsychroFun::detail {

[[noreturn]] void raise(FloatingPointFault::Kind kind);

// The result of an operation on finite operands: NaN means an invalid
// operation, an infinity an overflow.
inline double checkedResult(double r) {
    if (std::isnan(r)) [[unlikely]]
        raise(FloatingPointFault::Kind::InvalidOperation);
    if (std::isinf(r)) [[unlikely]]
        raise(FloatingPointFault::Kind::Overflow);
    return r;
}

class Num {
public:
    // Implicit on purpose, so that constants and arguments mix freely in
    // formulas. A non-finite argument is not a number the engine can work on.
    Num(double v) : v_(v) { // NOLINT(google-explicit-constructor)
        if (!std::isfinite(v)) [[unlikely]]
            raise(FloatingPointFault::Kind::InvalidOperation);
    }

    [[nodiscard]] constexpr double value() const noexcept { return v_; }

    friend Num operator+(Num a, Num b) { return fromResult(a.v_ + b.v_); }
    friend Num operator-(Num a, Num b) { return fromResult(a.v_ - b.v_); }
    friend Num operator*(Num a, Num b) { return fromResult(a.v_ * b.v_); }
    friend Num operator/(Num a, Num b) {
        if (b.v_ == 0.0) [[unlikely]]
            raise(a.v_ == 0.0 ? FloatingPointFault::Kind::InvalidOperation
                              : FloatingPointFault::Kind::DivisionByZero);
        return fromResult(a.v_ / b.v_);
    }
    friend Num operator-(Num a) { return Num(-a.v_); }

    Num& operator+=(Num b) { return *this = *this + b; }
    Num& operator-=(Num b) { return *this = *this - b; }

    friend bool operator==(Num a, Num b) noexcept { return a.v_ == b.v_; }
    friend std::partial_ordering operator<=>(Num a, Num b) noexcept { return a.v_ <=> b.v_; }

private:
    struct Unchecked {};
    constexpr Num(double v, Unchecked) : v_(v) {}
    static Num fromResult(double r) { return Num(checkedResult(r), Unchecked{}); }

    double v_;
};

// Natural logarithm: log(0) is a division by zero, log(x < 0) invalid.
Num log(Num x);
Num exp(Num x);
Num sqrt(Num x);
// x^y: 0 to a negative power is a division by zero, a negative base with a
// fractional exponent an invalid operation.
Num pow(Num x, Num y);
Num atan(Num x);
Num cos(Num x);
Num abs(Num x);

} // namespace basPsychroFun::detail
