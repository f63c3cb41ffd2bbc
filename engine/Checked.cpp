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

Num log(Num x) {
    if (x.value() == 0.0)
        raise(FloatingPointFault::Kind::DivisionByZero);
    if (x.value() < 0.0)
        raise(FloatingPointFault::Kind::InvalidOperation);
    return checkedResult(std::log(x.value()));
}

Num exp(Num x) {
    return checkedResult(std::exp(x.value()));
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
Num abs(Num x) {
    return checkedResult(std::fabs(x.value()));
}

} // namespace detail
} // namespace basPsychroFun
