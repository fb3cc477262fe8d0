#include "installer/script/variables/script_environment.h"

#include <cstring>
#include <optional>
#include <vector>

#include "installer/script/variables/expression_evaluation.h"
#include "installer/script/variables/expression_program.h"
#include "installer/script/variables/messages.h"
#include "installer/script/variables/string_list_file.h"
#include "installer/script/variables/substitution.h"

namespace aw {
namespace {

// Substitution sees the text variables and the read-only "s".
class SubstitutionValues : public TextValues {
  public:
    SubstitutionValues(VariableTable& variables, ControllerDirectories& directories)
        : variables_(variables), directories_(directories) {}

    std::optional<std::string> Find(std::string_view name) override {
        if (name == "s") {
            return directories_.SourceDirectory();
        }
        const TextVariable* variable = variables_.Text(name);
        if (variable == nullptr) {
            return std::nullopt;
        }
        return std::string(variable->Text());
    }

  private:
    VariableTable& variables_;
    ControllerDirectories& directories_;
};

class ExpressionValues : public IntegerValues {
  public:
    explicit ExpressionValues(VariableTable& variables) : variables_(variables) {}

    std::optional<std::int32_t> Find(std::string_view name) override {
        const std::int32_t* variable = variables_.Integer(name);
        if (variable == nullptr) {
            return std::nullopt;
        }
        return *variable;
    }

  private:
    VariableTable& variables_;
};

const char* SubstitutionMessage(SubstitutionError error) {
    switch (error) {
        case SubstitutionError::kBadName:
            return kBadVariableNameMessage;
        case SubstitutionError::kUnknownVariable:
            return kUnknownVariableMessage;
        default:
            return kTextTooLongMessage;
    }
}

}  // namespace

ScriptEnvironment::ScriptEnvironment(ErrorReport& errors, ControllerDirectories& directories,
                                     OutputFiles& files)
    : errors_(errors), directories_(directories), files_(files) {}

bool ScriptEnvironment::Evaluate(std::string_view expression, std::int32_t& value) {
    const std::optional<ExpressionProgram> program = ParseExpression(expression);
    if (!program) {
        errors_.ReportError(WithArgument(kSyntaxErrorMessage, expression));
        return false;
    }
    ExpressionValues values(variables_);
    const Evaluation result = EvaluateExpression(*program, values);
    if (result.error != EvaluationError::kNone) {
        // Division by zero shares the message of an unknown variable.
        errors_.ReportError(WithArgument(kUnknownVariableMessage, expression));
        return false;
    }
    value = result.value;
    return true;
}

bool ScriptEnvironment::Expand(std::string_view text, std::span<char> destination) {
    if (destination.empty()) {
        errors_.ReportError(WithArgument(kTextTooLongMessage, text));
        return false;
    }
    destination[0] = '\0';
    std::string result;
    if (!Substitute(text, destination.size() - 1, result)) {
        return false;
    }
    std::memcpy(destination.data(), result.c_str(), result.size() + 1);
    return true;
}

bool ScriptEnvironment::Expand(std::string_view text, std::string& result) {
    return Substitute(text, result.max_size(), result);
}

bool ScriptEnvironment::Substitute(std::string_view text, std::size_t maxLength,
                                   std::string& result) {
    SubstitutionValues values(variables_, directories_);
    Substitution substitution = aw::Substitute(text, values, maxLength);
    result = std::move(substitution.text);
    if (substitution.error != SubstitutionError::kNone) {
        errors_.ReportError(WithArgument(SubstitutionMessage(substitution.error), text));
        return false;
    }
    return true;
}

bool ScriptEnvironment::StoreText(TextVariable& variable, std::string_view text) {
    if (!variable.Assign(text)) {
        errors_.ReportError(WithArgument(kTextTooLongForVariableMessage, variable.Name()));
        return false;
    }
    return true;
}

bool ScriptEnvironment::WriteStringList(std::span<const std::string> texts) {
    std::vector<std::string> lines(texts.size());
    for (std::size_t n = 0; n < texts.size(); ++n) {
        if (!Expand(texts[n], lines[n])) {
            return false;
        }
    }
    return WriteStringListFile(lines, StringListPath(directories_.OwnDirectory()), files_, errors_);
}

}  // namespace aw
