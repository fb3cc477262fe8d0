#include "tools/scriptsource/text_checks.h"

#include <optional>

#include "installer/script/variables/expression_program.h"
#include "installer/script/variables/substitution.h"
#include "installer/script/variables/variable_table.h"

namespace aw {

namespace {

// Every text variable, with the source directory that only substitution sees.
class KnownTexts : public TextValues {
  public:
    std::optional<std::string> Find(std::string_view name) override {
        if (name == "s" || variables_.Text(name) != nullptr) {
            return std::string();
        }
        return std::nullopt;
    }

  private:
    VariableTable variables_;
};

}  // namespace

std::string ExpressionProblem(const std::string& text) {
    const std::optional<ExpressionProgram> program = ParseExpression(text);
    if (!program) {
        return "the expression \"" + text + "\" does not parse";
    }
    const VariableTable variables;
    for (const Step& step : program->steps) {
        if (step.kind == StepKind::kVariable && variables.Integer(step.name) == nullptr) {
            return "the expression \"" + text + "\" names " + step.name +
                   ", which is no integer variable (minspace, exitcode1, exitcode2)";
        }
    }
    return "";
}

std::string SubstitutionProblem(const std::string& text) {
    KnownTexts known;
    switch (Substitute(text, known, std::string::npos).error) {
        case SubstitutionError::kNone:
        case SubstitutionError::kTooLong:
            return "";
        case SubstitutionError::kBadName:
            return "the text \"" + text + "\" has a bad variable name after $";
        case SubstitutionError::kUnknownVariable:
            return "the text \"" + text +
                   "\" names an unknown text variable (w, y, i, path, s); write $$ for a $";
    }
    return "";
}

std::string VariableProblem(const std::string& name, VariableKind kind, bool emptyAllowed) {
    if (name.empty() && emptyAllowed) {
        return "";
    }
    const VariableTable variables;
    if (kind == VariableKind::Integer) {
        return variables.Integer(name) != nullptr
                   ? ""
                   : "\"" + name + "\" is no integer variable (minspace, exitcode1, exitcode2)";
    }
    return variables.Text(name) != nullptr ? ""
                                           : "\"" + name + "\" is no text variable (w, y, i, path)";
}

}  // namespace aw
