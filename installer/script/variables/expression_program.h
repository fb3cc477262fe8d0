// A parsed expression as a flat list of steps for a value stack. The logical operators
// become jumps, so that an unevaluated right side is never read, and nothing here
// recurses: however deep a hostile script nests, parsing and evaluation use heap memory
// in proportion to the text and never the call stack.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "installer/script/variables/expression_lexer.h"

namespace aw {

enum class StepKind {
    kConstant,       // push number
    kVariable,       // push the value of name
    kNot,            // top = top == 0
    kBinary,         // pop the right operand, combine it with the top by op
    kJumpIfZero,     // left side of &&: when the top is 0, keep it and go to target
    kJumpIfNonZero,  // left side of ||: when the top is not 0, make it 1 and go to target
    kToBool,         // top = top != 0
};

struct Step {
    StepKind kind = StepKind::kConstant;
    BinaryOperator op = BinaryOperator::kAdd;
    std::int32_t number = 0;
    std::string name{};
    std::size_t target = 0;
};

struct ExpressionProgram {
    std::vector<Step> steps;
};

// The whole text is checked before anything can be evaluated; none on any syntax error
// (an unknown character, a missing operand, unbalanced parentheses, trailing text).
std::optional<ExpressionProgram> ParseExpression(std::string_view text);

}  // namespace aw
