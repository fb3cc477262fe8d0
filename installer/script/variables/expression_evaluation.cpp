#include "installer/script/variables/expression_evaluation.h"

#include <limits>
#include <vector>

namespace aw {
namespace {

std::int32_t Wrap(std::uint32_t value) {
    return static_cast<std::int32_t>(value);
}

std::uint32_t Bits(std::int32_t value) {
    return static_cast<std::uint32_t>(value);
}

// Only divisions can fail; the result is then none.
std::optional<std::int32_t> Combine(BinaryOperator op, std::int32_t a, std::int32_t b) {
    switch (op) {
        case BinaryOperator::kMultiply:
            return Wrap(Bits(a) * Bits(b));
        case BinaryOperator::kDivide:
            if (b == 0) {
                return std::nullopt;
            }
            // The one quotient that does not fit wraps like every other result.
            if (a == std::numeric_limits<std::int32_t>::min() && b == -1) {
                return a;
            }
            return a / b;
        case BinaryOperator::kAdd:
            return Wrap(Bits(a) + Bits(b));
        case BinaryOperator::kSubtract:
            return Wrap(Bits(a) - Bits(b));
        case BinaryOperator::kLess:
            return a < b;
        case BinaryOperator::kLessOrEqual:
            return a <= b;
        case BinaryOperator::kGreater:
            return a > b;
        case BinaryOperator::kGreaterOrEqual:
            return a >= b;
        case BinaryOperator::kEqual:
            return a == b;
        case BinaryOperator::kNotEqual:
            return a != b;
        case BinaryOperator::kBitAnd:
            return a & b;
        case BinaryOperator::kBitXor:
            return a ^ b;
        case BinaryOperator::kBitOr:
            return a | b;
        case BinaryOperator::kLogicalAnd:
            return a != 0 && b != 0;
        case BinaryOperator::kLogicalOr:
            return a != 0 || b != 0;
    }
    return std::nullopt;
}

}  // namespace

Evaluation EvaluateExpression(const ExpressionProgram& program, IntegerValues& values) {
    std::vector<std::int32_t> stack;
    std::size_t at = 0;
    while (at < program.steps.size()) {
        const Step& step = program.steps[at++];
        switch (step.kind) {
            case StepKind::kConstant:
                stack.push_back(step.number);
                break;
            case StepKind::kVariable: {
                const std::optional<std::int32_t> value = values.Find(step.name);
                if (!value) {
                    return {EvaluationError::kUnknownVariable, 0};
                }
                stack.push_back(*value);
                break;
            }
            case StepKind::kNot:
                stack.back() = stack.back() == 0;
                break;
            case StepKind::kBinary: {
                const std::int32_t right = stack.back();
                stack.pop_back();
                const std::optional<std::int32_t> result = Combine(step.op, stack.back(), right);
                if (!result) {
                    return {EvaluationError::kDivisionByZero, 0};
                }
                stack.back() = *result;
                break;
            }
            case StepKind::kJumpIfZero:
                if (stack.back() == 0) {
                    at = step.target;
                } else {
                    stack.pop_back();
                }
                break;
            case StepKind::kJumpIfNonZero:
                if (stack.back() != 0) {
                    stack.back() = 1;
                    at = step.target;
                } else {
                    stack.pop_back();
                }
                break;
            case StepKind::kToBool:
                stack.back() = stack.back() != 0;
                break;
        }
    }
    return {EvaluationError::kNone, stack.back()};
}

}  // namespace aw
