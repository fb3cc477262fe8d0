#include "installer/script/variables/expression_program.h"

namespace aw {
namespace {

// Entries of the operator stack. `!` outranks every binary operator; an open parenthesis
// stops every pop except the one that its `)` causes.
struct Pending {
    enum class Kind { kOpen, kNot, kBinary } kind;
    BinaryOperator op = BinaryOperator::kAdd;
    std::size_t jump = 0;  // the step of a logical operator's left-side jump
};

class Parser {
  public:
    explicit Parser(std::string_view text) : lexer_(text) {}

    std::optional<ExpressionProgram> Run() {
        bool expectOperand = true;
        for (;;) {
            const Token token = lexer_.Next();
            if (expectOperand) {
                if (!Operand(token, expectOperand)) {
                    return std::nullopt;
                }
            } else if (token.kind == TokenKind::kEnd) {
                return Finish();
            } else if (!AfterOperand(token, expectOperand)) {
                return std::nullopt;
            }
        }
    }

  private:
    bool Operand(const Token& token, bool& expectOperand) {
        switch (token.kind) {
            case TokenKind::kNumber:
                Emit({.kind = StepKind::kConstant, .number = token.number});
                expectOperand = false;
                return true;
            case TokenKind::kName:
                Emit({.kind = StepKind::kVariable, .name = std::string(token.name)});
                expectOperand = false;
                return true;
            case TokenKind::kOpen:
                pending_.push_back({.kind = Pending::Kind::kOpen});
                return true;
            case TokenKind::kNot:
                pending_.push_back({.kind = Pending::Kind::kNot});
                return true;
            default:
                return false;
        }
    }

    bool AfterOperand(const Token& token, bool& expectOperand) {
        if (token.kind == TokenKind::kClose) {
            PopWhile([](const Pending& p) { return p.kind != Pending::Kind::kOpen; });
            if (pending_.empty()) {
                return false;
            }
            pending_.pop_back();
            return true;
        }
        if (token.kind != TokenKind::kBinary) {
            return false;
        }
        const int precedence = Precedence(token.op);
        PopWhile([precedence](const Pending& p) {
            return p.kind == Pending::Kind::kNot ||
                   (p.kind == Pending::Kind::kBinary && Precedence(p.op) >= precedence);
        });
        pending_.push_back(
            {.kind = Pending::Kind::kBinary, .op = token.op, .jump = BeginJump(token.op)});
        expectOperand = true;
        return true;
    }

    std::optional<ExpressionProgram> Finish() {
        PopWhile([](const Pending& p) { return p.kind != Pending::Kind::kOpen; });
        if (!pending_.empty()) {
            return std::nullopt;
        }
        return std::move(program_);
    }

    // The left side of a logical operator is complete here: its jump follows it.
    std::size_t BeginJump(BinaryOperator op) {
        if (op == BinaryOperator::kLogicalAnd) {
            Emit({.kind = StepKind::kJumpIfZero});
        } else if (op == BinaryOperator::kLogicalOr) {
            Emit({.kind = StepKind::kJumpIfNonZero});
        } else {
            return 0;
        }
        return program_.steps.size() - 1;
    }

    template <typename Predicate>
    void PopWhile(Predicate shouldPop) {
        while (!pending_.empty() && shouldPop(pending_.back())) {
            Complete(pending_.back());
            pending_.pop_back();
        }
    }

    void Complete(const Pending& pending) {
        if (pending.kind == Pending::Kind::kNot) {
            Emit({.kind = StepKind::kNot});
        } else if (pending.op == BinaryOperator::kLogicalAnd ||
                   pending.op == BinaryOperator::kLogicalOr) {
            Emit({.kind = StepKind::kToBool});
            program_.steps[pending.jump].target = program_.steps.size();
        } else {
            Emit({.kind = StepKind::kBinary, .op = pending.op});
        }
    }

    void Emit(Step step) { program_.steps.push_back(std::move(step)); }

    ExpressionLexer lexer_;
    std::vector<Pending> pending_;
    ExpressionProgram program_;
};

}  // namespace

std::optional<ExpressionProgram> ParseExpression(std::string_view text) {
    return Parser(text).Run();
}

}  // namespace aw
