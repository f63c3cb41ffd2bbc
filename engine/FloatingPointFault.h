#pragma once

#include <stdexcept>

namespace basPsychroFun {

// The one exception the engine raises. Every arithmetic result of every engine
// operation that could fail is tested, so a division by zero, an invalid
// operation (the logarithm of a non-positive number, a fractional power of a
// negative one, 0/0, ...) or an overflow surfaces here instead of as a NaN or
// an infinity in a result. An underflow is not a fault: it quietly gives zero or a subnormal.
class FloatingPointFault : public std::runtime_error {
public:
    enum class Kind { DivisionByZero, InvalidOperation, Overflow };

    explicit FloatingPointFault(Kind kind);

    [[nodiscard]] Kind kind() const noexcept { return kind_; }

private:
    Kind kind_;
};

} // namespace basPsychroFun
