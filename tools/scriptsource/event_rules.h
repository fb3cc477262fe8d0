// What the builder knows of each event class's fields beyond their kinds: which texts name
// variables, which are expressions, which are not substituted, and the ranges of the ints
// that choose among a few meanings.
#pragma once

#include <cstdint>
#include <string>

#include "tools/scriptsource/text_checks.h"

namespace aw {

enum class TextRole {
    // `$`-substituted before use: the default for every text.
    Substituted,
    Expression,
    IntegerVariable,
    TextVariable,
    // Not substituted by the installer (notes, custom events' texts, wildcard patterns).
    Plain,
};

struct TextRule {
    TextRole Role = TextRole::Substituted;
    // An empty text is allowed: for a variable name it means that the result is not wanted,
    // for an expression that it is not used.
    bool EmptyAllowed = false;
};

// The role of the text field `field` of event class `className`.
TextRule TextRuleOf(const std::string& className, const std::string& field);

struct IntRange {
    std::int32_t Min = 0;
    std::int32_t Max = 0;
};

// The values an int field may take, or false when any value goes.
bool IntRangeOf(const std::string& className, const std::string& field, IntRange& range);

}  // namespace aw
