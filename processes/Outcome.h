#pragma once

// A result or the Problem that prevented it: what every fallible function of
// the library returns, so that no caller can take a failure for air.

#include "processes/Problem.h"

#include <utility>
#include <variant>

namespace processes {

template <typename T>
class Outcome {
public:
    Outcome(T value) : v_(std::move(value)) {} // NOLINT(google-explicit-constructor)
    Outcome(Problem problem) : v_(problem) {}  // NOLINT(google-explicit-constructor)

    [[nodiscard]] bool ok() const noexcept { return std::holds_alternative<T>(v_); }
    explicit operator bool() const noexcept { return ok(); }

    // The result; only when ok().
    [[nodiscard]] const T& value() const& { return std::get<T>(v_); }
    [[nodiscard]] const T& operator*() const& { return value(); }
    [[nodiscard]] const T* operator->() const { return &value(); }
    // The problem; only when !ok().
    [[nodiscard]] Problem problem() const { return std::get<Problem>(v_); }

private:
    std::variant<T, Problem> v_;
};

} // namespace processes
