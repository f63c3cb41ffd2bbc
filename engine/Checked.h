#pragma once

// Checked double-precision arithmetic for the engine's formulas.
//
// `Num` wraps a double and tests the result of every operation on it: a result
// that would be NaN or infinite raises FloatingPointFault instead. Formulas are
// written with ordinary operators, so each equation reads as in its source
// while none of its intermediate results can go astray silently.
//
// The test is one comparison, |r| <= DBL_MAX, which NaN fails as well as an
// infinity; it is inlined and almost never taken. Only a failed result is
// looked at again, out of line, to name the fault:
// - a quotient of finite operands is finite exactly where the divisor is not
//   zero, so a failed quotient over zero is a division by zero (0/0 an invalid
//   operation), and any other failed result is NaN (invalid) or an infinity
//   (overflow);
// - a plain double on one side of +, - or * (mostly a constant of a formula)
//   is not tested on its way in: a non-finite one always makes the result fail,
//   and is then reported as the invalid operand it is, as when it is converted
//   to Num. A quotient by a plain double still converts it first, because a
//   finite number divided by an infinity would not fail.
// So each operation raises the same fault, at the same point of the
// computation, as testing its operands and its result one by one would; the
// solvers that catch a fault part way through an iteration see it where they
// always did. A formula may compute on plain doubles where no operation can
// fail, as the saturation pressure does inside its range of temperatures.
//
// The operations and their order are those written, so the results do not
// depend on the checks; the engine is compiled with -ffp-contract=off so that
// no fused multiply-add changes the last bit on targets that have one.
//
// The floating-point status flags of <cfenv>, cleared on entry and tested
// once per call, would not be cheaper: on x86-64 reading them costs about as
// much as a whole saturation pressure and clearing them several times that,
// GCC ignores FENV_ACCESS and may move arithmetic across the test, and a flag
// does not tell which operation failed first, which the solvers and the kinds
// of fault depend on.

#include "engine/FloatingPointFault.h"

#include <cmath>
#include <compare>
#include <limits>

namespace basPsychroFun::detail {

[[noreturn]] void raise(FloatingPointFault::Kind kind);

// Raises the fault a non-finite result r of an operation on finite operands
// stands for: NaN an invalid operation, an infinity an overflow. Out of line,
// so that the checks stay small where they are inlined.
[[noreturn]] void raiseNonFinite(double r);
// The same for the quotient q = a / b of finite operands: a finite a over zero
// is a division by zero, 0/0 an invalid operation.
[[noreturn]] void raiseNonFiniteQuotient(double a, double b, double q);

// Whether r is neither NaN nor an infinity, in one comparison: NaN compares
// unordered and so fails it too.
constexpr bool isFinite(double r) noexcept {
    return std::fabs(r) <= std::numeric_limits<double>::max();
}

// The result of an operation on finite operands, tested.
inline double checkedResult(double r) {
    if (!isFinite(r)) [[unlikely]]
        raiseNonFinite(r);
    return r;
}

// The result r of a sum, difference or product of a finite number and the
// plain double d, tested. A non-finite d gives a non-finite r, so d needs a
// look only once r has failed: a non-finite d is an invalid operand, as when
// it is converted to Num.
[[noreturn]] void raiseNonFiniteWith(double d, double r);
inline double checkedResultWith(double d, double r) {
    if (!isFinite(r)) [[unlikely]]
        raiseNonFiniteWith(d, r);
    return r;
}
// The same for the quotient q = a / b of the plain double a by a finite b.
[[noreturn]] void raiseNonFiniteQuotientOf(double a, double b, double q);

class Num {
public:
    // Implicit on purpose, so that constants and arguments mix freely in
    // formulas. A non-finite argument is not a number the engine can work on.
    Num(double v) : v_(v) { // NOLINT(google-explicit-constructor)
        if (!isFinite(v)) [[unlikely]]
            raise(FloatingPointFault::Kind::InvalidOperation);
    }

    [[nodiscard]] constexpr double value() const noexcept { return v_; }

    friend Num operator+(Num a, Num b) { return fromResult(a.v_ + b.v_); }
    friend Num operator-(Num a, Num b) { return fromResult(a.v_ - b.v_); }
    friend Num operator*(Num a, Num b) { return fromResult(a.v_ * b.v_); }
    // A quotient of finite operands is finite only where the divisor is not
    // zero, so the divisor needs a look only once the quotient has failed.
    friend Num operator/(Num a, Num b) {
        const double q = a.v_ / b.v_;
        if (!isFinite(q)) [[unlikely]]
            raiseNonFiniteQuotient(a.v_, b.v_, q);
        return Num(q, Unchecked{});
    }
    friend Num operator-(Num a) { return Num(-a.v_, Unchecked{}); }

    // The same operations with a plain double on one side, most often a
    // constant of a formula: the double is tested only where the result fails.
    // (A quotient by a plain double goes through the conversion above: a
    // finite number divided by an infinity would not fail.)
    friend Num operator+(Num a, double b) { return fromResultWith(b, a.v_ + b); }
    friend Num operator+(double a, Num b) { return fromResultWith(a, a + b.v_); }
    friend Num operator-(Num a, double b) { return fromResultWith(b, a.v_ - b); }
    friend Num operator-(double a, Num b) { return fromResultWith(a, a - b.v_); }
    friend Num operator*(Num a, double b) { return fromResultWith(b, a.v_ * b); }
    friend Num operator*(double a, Num b) { return fromResultWith(a, a * b.v_); }
    friend Num operator/(double a, Num b) {
        const double q = a / b.v_;
        if (!isFinite(q)) [[unlikely]]
            raiseNonFiniteQuotientOf(a, b.v_, q);
        return Num(q, Unchecked{});
    }

    Num& operator+=(Num b) { return *this = *this + b; }
    Num& operator-=(Num b) { return *this = *this - b; }

    friend bool operator==(Num a, Num b) noexcept { return a.v_ == b.v_; }
    friend std::partial_ordering operator<=>(Num a, Num b) noexcept { return a.v_ <=> b.v_; }

private:
    friend Num log(Num x);
    friend Num exp(Num x);
    friend Num abs(Num x);

    struct Unchecked {};
    constexpr Num(double v, Unchecked) : v_(v) {}
    static constexpr Num fromFinite(double r) { return Num(r, Unchecked{}); }
    static Num fromResult(double r) { return Num(checkedResult(r), Unchecked{}); }
    static Num fromResultWith(double d, double r) {
        return Num(checkedResultWith(d, r), Unchecked{});
    }

    double v_;
};

// Natural logarithm: log(0) is a division by zero, log(x < 0) invalid. The
// logarithm of a finite positive number is finite. Inline, as the saturation
// pressure calls it on every evaluation.
inline Num log(Num x) {
    if (!(x.value() > 0.0)) [[unlikely]]
        raise(x.value() == 0.0 ? FloatingPointFault::Kind::DivisionByZero
                               : FloatingPointFault::Kind::InvalidOperation);
    return Num::fromFinite(std::log(x.value()));
}
inline Num exp(Num x) {
    return Num::fromResult(std::exp(x.value()));
}
Num sqrt(Num x);
// x^y: 0 to a negative power is a division by zero, a negative base with a
// fractional exponent an invalid operation.
Num pow(Num x, Num y);
Num atan(Num x);
Num cos(Num x);
// The magnitude of a finite number is finite.
inline Num abs(Num x) {
    return Num::fromFinite(std::fabs(x.value()));
}

} // namespace basPsychroFun::detail
