// Running a parsed expression against the current values of the integer variables.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "installer/script/variables/expression_program.h"

namespace aw {

// The integer variables as an expression reads them, at the moment of evaluation.
class IntegerValues {
  public:
    virtual ~IntegerValues() = default;
    // The variable's value, or none when no integer variable has that name.
    virtual std::optional<std::int32_t> Find(std::string_view name) = 0;
};

enum class EvaluationError { kNone, kUnknownVariable, kDivisionByZero };

struct Evaluation {
    EvaluationError error = EvaluationError::kNone;
    std::int32_t value = 0;
};

// Arithmetic wraps at 32 bits; division truncates toward zero. The right side of `&&`
// and `||` is not evaluated when the left side decides the result.
Evaluation EvaluateExpression(const ExpressionProgram& program, IntegerValues& values);

}  // namespace aw
