#include "installer/script/variables/substitution.h"

#include "installer/script/variables/name_chars.h"

namespace aw {
namespace {

bool IsWellFormedName(std::string_view name) {
    if (name.empty() || name.size() > kMaxNameLength) {
        return false;
    }
    for (char c : name) {
        if (!IsNameChar(c)) {
            return false;
        }
    }
    return true;
}

class Substituter {
  public:
    Substituter(std::string_view text, TextValues& values, std::size_t maxLength)
        : text_(text), values_(values), maxLength_(maxLength) {}

    Substitution Run() {
        while (position_ < text_.size() && error_ == SubstitutionError::kNone) {
            Step();
        }
        if (error_ != SubstitutionError::kNone) {
            return {error_, std::string()};
        }
        return {SubstitutionError::kNone, std::move(out_)};
    }

  private:
    void Step() {
        const char c = text_[position_];
        if (c != '$' || position_ + 1 == text_.size()) {
            Append(std::string_view(&c, 1));
            ++position_;
            return;
        }
        const char next = text_[position_ + 1];
        if (next == '$') {
            Append("$");
            position_ += 2;
        } else if (next == '{') {
            BracedName();
        } else if (IsNameStart(next)) {
            PlainName();
        } else {
            Append(text_.substr(position_, 2));
            position_ += 2;
        }
    }

    void BracedName() {
        const std::size_t start = position_ + 2;
        const std::size_t close = text_.find('}', start);
        if (close == std::string_view::npos) {
            error_ = SubstitutionError::kBadName;
            return;
        }
        position_ = close + 1;
        Insert(text_.substr(start, close - start));
    }

    void PlainName() {
        const std::size_t start = position_ + 1;
        std::size_t end = start;
        while (end < text_.size() && IsNameChar(text_[end])) {
            ++end;
        }
        position_ = end;
        Insert(text_.substr(start, end - start));
    }

    void Insert(std::string_view name) {
        if (!IsWellFormedName(name)) {
            error_ = SubstitutionError::kBadName;
            return;
        }
        const std::optional<std::string> value = values_.Find(name);
        if (!value) {
            error_ = SubstitutionError::kUnknownVariable;
            return;
        }
        Append(*value);
    }

    void Append(std::string_view part) {
        if (part.size() > maxLength_ - out_.size()) {
            error_ = SubstitutionError::kTooLong;
            return;
        }
        out_.append(part);
    }

    std::string_view text_;
    TextValues& values_;
    std::size_t maxLength_;
    std::size_t position_ = 0;
    std::string out_;
    SubstitutionError error_ = SubstitutionError::kNone;
};

}  // namespace

Substitution Substitute(std::string_view text, TextValues& values, std::size_t maxLength) {
    return Substituter(text, values, maxLength).Run();
}

}  // namespace aw
