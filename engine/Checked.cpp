#include "engine/Checked.h"

namespace basPsychroFun {

namespace {
const char* describe(FloatingPointFault::Kind kind) {
    switch (kind) {
    case FloatingPointFault::Kind::DivisionByZero:
        return "floating-point fault: division by zero";
    case FloatingPointFault::Kind::InvalidOperation:
        return "floating-point fault: invalid operation";
    case FloatingPointFault::Kind::Overflow:
        return "floating-point fault: overflow";
    }
    return "floating-point fault";
}
} // namespace

FloatingPointFault::FloatingPointFault(Kind kind)
    : std::runtime_error(describe(kind)), kind_(kind) {}

namespace detail {

void raise(FloatingPointFault::Kind kind) {
    throw FloatingPointFault(kind);
}

void raiseNonFinite(double r) {
    raise(std::isnan(r) ? FloatingPointFault::Kind::InvalidOperation
                        : FloatingPointFault::Kind::Overflow);
}

void raiseNonFiniteQuotient(double a, double b, double q) {
    if (b == 0.0)
        raise(a == 0.0 ? FloatingPointFault::Kind::InvalidOperation
                       : FloatingPointFault::Kind::DivisionByZero);
    raiseNonFinite(q);
}

void raiseNonFiniteWith(double d, double r) {
    if (!isFinite(d))
        raise(FloatingPointFault::Kind::InvalidOperation);
    raiseNonFinite(r);
}

void raiseNonFiniteQuotientOf(double a, double b, double q) {
    if (!isFinite(a))
        raise(FloatingPointFault::Kind::InvalidOperation);
    raiseNonFiniteQuotient(a, b, q);
}

Num sqrt(Num x) {
    if (x.value() < 0.0)
        raise(FloatingPointFault::Kind::InvalidOperation);
    return checkedResult(std::sqrt(x.value()));
}

Num pow(Num x, Num y) {
    if (x.value() == 0.0 && y.value() < 0.0)
        raise(FloatingPointFault::Kind::DivisionByZero);
    return checkedResult(std::pow(x.value(), y.value()));
}

Num atan(Num x) {
    return checkedResult(std::atan(x.value()));
}
Num cos(Num x) {
    return checkedResult(std::cos(x.value()));
}

} // namespace detail
} // namespace basPsychroFun
