#include "installer/script/variables/expression_lexer.h"

#include <limits>

#include "installer/script/variables/name_chars.h"

namespace aw {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

Token Binary(BinaryOperator op) {
    Token token;
    token.kind = TokenKind::kBinary;
    token.op = op;
    return token;
}

Token Simple(TokenKind kind) {
    Token token;
    token.kind = kind;
    return token;
}

}  // namespace

int Precedence(BinaryOperator op) {
    switch (op) {
        case BinaryOperator::kMultiply:
        case BinaryOperator::kDivide:
            return 9;
        case BinaryOperator::kAdd:
        case BinaryOperator::kSubtract:
            return 8;
        case BinaryOperator::kLess:
        case BinaryOperator::kLessOrEqual:
        case BinaryOperator::kGreater:
        case BinaryOperator::kGreaterOrEqual:
            return 7;
        case BinaryOperator::kEqual:
        case BinaryOperator::kNotEqual:
            return 6;
        case BinaryOperator::kBitAnd:
            return 5;
        case BinaryOperator::kBitXor:
            return 4;
        case BinaryOperator::kBitOr:
            return 3;
        case BinaryOperator::kLogicalAnd:
            return 2;
        case BinaryOperator::kLogicalOr:
            return 1;
    }
    return 0;
}

Token ExpressionLexer::Next() {
    SkipSpace();
    if (position_ == text_.size()) {
        return Simple(TokenKind::kEnd);
    }
    const char c = text_[position_];
    if (IsDigit(c)) {
        return Number();
    }
    if (IsNameStart(c)) {
        return Name();
    }
    return Operator();
}

void ExpressionLexer::SkipSpace() {
    while (position_ < text_.size() && IsSpace(text_[position_])) {
        ++position_;
    }
}

// A constant that does not fit a signed 32-bit value is refused rather than wrapped, so that
// a mistyped figure cannot turn into a different one.
Token ExpressionLexer::Number() {
    std::int64_t value = 0;
    bool fits = true;
    while (position_ < text_.size() && IsDigit(text_[position_])) {
        value = value * 10 + (text_[position_] - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) {
            fits = false;
            value = 0;
        }
        ++position_;
    }
    if (!fits) {
        return Simple(TokenKind::kInvalid);
    }
    Token token = Simple(TokenKind::kNumber);
    token.number = static_cast<std::int32_t>(value);
    return token;
}

Token ExpressionLexer::Name() {
    const std::size_t start = position_;
    while (position_ < text_.size() && IsNameChar(text_[position_])) {
        ++position_;
    }
    if (position_ - start > kMaxNameLength) {
        return Simple(TokenKind::kInvalid);
    }
    Token token = Simple(TokenKind::kName);
    token.name = text_.substr(start, position_ - start);
    return token;
}

Token ExpressionLexer::Operator() {
    const char c = text_[position_++];
    switch (c) {
        case '(':
            return Simple(TokenKind::kOpen);
        case ')':
            return Simple(TokenKind::kClose);
        case '*':
            return Binary(BinaryOperator::kMultiply);
        case '/':
            return Binary(BinaryOperator::kDivide);
        case '+':
            return Binary(BinaryOperator::kAdd);
        case '-':
            return Binary(BinaryOperator::kSubtract);
        case '^':
            return Binary(BinaryOperator::kBitXor);
        case '<':
            return Binary(Take('=') ? BinaryOperator::kLessOrEqual : BinaryOperator::kLess);
        case '>':
            return Binary(Take('=') ? BinaryOperator::kGreaterOrEqual : BinaryOperator::kGreater);
        case '&':
            return Binary(Take('&') ? BinaryOperator::kLogicalAnd : BinaryOperator::kBitAnd);
        case '|':
            return Binary(Take('|') ? BinaryOperator::kLogicalOr : BinaryOperator::kBitOr);
        case '=':
            return Take('=') ? Binary(BinaryOperator::kEqual) : Simple(TokenKind::kInvalid);
        case '!':
            return Take('=') ? Binary(BinaryOperator::kNotEqual) : Simple(TokenKind::kNot);
        default:
            return Simple(TokenKind::kInvalid);
    }
}

bool ExpressionLexer::Take(char c) {
    if (position_ < text_.size() && text_[position_] == c) {
        ++position_;
        return true;
    }
    return false;
}

}  // namespace aw
