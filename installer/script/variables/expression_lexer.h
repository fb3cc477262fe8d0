// Splits a condition or integer field into the tokens of the expression language.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace aw {

enum class BinaryOperator {
    kMultiply,
    kDivide,
    kAdd,
    kSubtract,
    kLess,
    kLessOrEqual,
    kGreater,
    kGreaterOrEqual,
    kEqual,
    kNotEqual,
    kBitAnd,
    kBitXor,
    kBitOr,
    kLogicalAnd,
    kLogicalOr,
};

// Higher binds tighter; `!` binds tighter than all of these.
int Precedence(BinaryOperator op);

enum class TokenKind {
    kNumber,
    kName,
    kOpen,
    kClose,
    kNot,
    kBinary,
    kEnd,
    kInvalid,  // a character outside the language, or a number or name that is too long
};

struct Token {
    TokenKind kind = TokenKind::kEnd;
    BinaryOperator op = BinaryOperator::kAdd;  // for kBinary
    std::int32_t number = 0;                   // for kNumber
    std::string_view name;                     // for kName, a view into the source text
};

class ExpressionLexer {
  public:
    explicit ExpressionLexer(std::string_view text) : text_(text) {}

    // The next token; kEnd, then kEnd again, once the text is used up.
    Token Next();

  private:
    void SkipSpace();
    Token Number();
    Token Name();
    Token Operator();
    bool Take(char c);

    std::string_view text_;
    std::size_t position_ = 0;
};

}  // namespace aw
