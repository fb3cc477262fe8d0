// Checks of a script's texts before it is built: what the installer would refuse only when the
// event runs, found while the author is still at the desk.
#pragma once

#include <string>

namespace aw {

// Why `text` is not a valid expression (syntax, or a name that is no integer variable), or
// empty.
std::string ExpressionProblem(const std::string& text);

// Why `text` cannot be `$`-substituted (a bad name in braces, an unknown text variable), or
// empty.
std::string SubstitutionProblem(const std::string& text);

enum class VariableKind { Integer, Text };

// Why `name` names no variable of `kind`, or empty. An empty name is a problem unless allowed.
std::string VariableProblem(const std::string& name, VariableKind kind, bool emptyAllowed);

}  // namespace aw
