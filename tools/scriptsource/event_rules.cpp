#include "tools/scriptsource/event_rules.h"

namespace aw {

namespace {

struct NamedTextRule {
    // Empty for a rule that holds in every class.
    const char* ClassName;
    const char* Field;
    TextRule Rule;
};

constexpr TextRule kExpression{TextRole::Expression, false};
constexpr TextRule kExpressionOrEmpty{TextRole::Expression, true};
constexpr TextRule kInteger{TextRole::IntegerVariable, false};
constexpr TextRule kIntegerOrNone{TextRole::IntegerVariable, true};
constexpr TextRule kText{TextRole::TextVariable, false};
constexpr TextRule kTextOrNone{TextRole::TextVariable, true};
constexpr TextRule kPlain{TextRole::Plain, false};

const NamedTextRule kTextRules[] = {
    {"", "condition", kExpression},
    {"", "note", kPlain},
    {"CustomNote", "text", kPlain},
    {"CustomHook", "text", kPlain},
    {"CustomValue", "text", kPlain},
    {"AskUserInfo", "variable", kTextOrNone},
    {"InstallFiles", "wildcardSpec", kPlain},
    {"RunProgram", "exitCodeVariable", kIntegerOrNone},
    {"PromptText", "variable", kText},
    {"PromptText", "lengthExpression", kExpressionOrEmpty},
    {"GetWindowsDir", "variable", kText},
    {"GetSystemDir", "variable", kText},
    {"GetOwnDir", "variable", kText},
    {"FindCdRom", "foundVariable", kIntegerOrNone},
    {"FindCdRom", "rootVariable", kTextOrNone},
    {"GetRequiredSpace", "variable", kInteger},
    {"SetText", "variable", kText},
    {"SetInteger", "variable", kInteger},
    {"SetInteger", "value", kExpression},
    {"CompareTexts", "variable", kInteger},
    {"SearchFile", "foundVariable", kInteger},
    {"SearchFile", "pathVariable", kText},
    {"ReadIni", "foundVariable", kIntegerOrNone},
    {"ReadIni", "valueVariable", kTextOrNone},
    {"ReadRegistry", "foundVariable", kIntegerOrNone},
    {"ReadRegistry", "valueVariable", kTextOrNone},
    {"IntegerToText", "variable", kText},
    {"IntegerToText", "value", kExpression},
    {"TextToInteger", "variable", kInteger},
    {"SplitPath", "directoryVariable", kTextOrNone},
    {"SplitPath", "fileVariable", kTextOrNone},
    {"AskYesNo", "variable", kInteger},
    {"GetWindowsVersion", "variable", kIntegerOrNone},
    {"GetWindowsVersion", "value", kIntegerOrNone},
    {"GetProcessor", "variable", kInteger},
    {"QueryOne", "variable", kInteger},
    {"QueryTwo", "variable", kInteger},
    {"InstallUninstaller", "appendLog", kExpression},
    {"GetLanguage", "variable", kInteger},
    {"ShowUserDialog", "resultVariable", kIntegerOrNone},
    {"GetArgCount", "variable", kInteger},
    {"GetArg", "variable", kText},
    {"GetArg", "value", kExpression},
};

struct NamedRange {
    const char* ClassName;
    const char* Field;
    IntRange Range;
};

const NamedRange kRanges[] = {
    {"", "componentBound", {0, 1}},
    {"InstallFiles", "timeStampPolicy", {0, 1}},
    {"InstallFiles", "sourceKind", {0, 1}},
    {"InstallFiles", "criterion", {0, 6}},
    {"InstallFiles", "inUsePolicy", {0, 2}},
    {"InstallFiles", "comparison", {0, 5}},
    {"InstallFiles", "destinationKind", {0, 1}},
    {"WriteIni", "mode", {0, 3}},
    {"WriteRegistry", "root", {0, 4}},
    {"WriteRegistry", "valueType", {0, 6}},
    {"ReadRegistry", "root", {0, 4}},
    {"RunProgram", "windowState", {0, 2}},
    {"SetCompletion", "kind", {0, 4}},
    {"SetCompletion", "endNow", {0, 1}},
    {"SetCompletion", "showDialog", {0, 1}},
};

bool Matches(const char* ruleClass, const char* ruleField, const std::string& className,
             const std::string& field) {
    return (*ruleClass == '\0' || className == ruleClass) && field == ruleField;
}

}  // namespace

TextRule TextRuleOf(const std::string& className, const std::string& field) {
    for (const NamedTextRule& rule : kTextRules) {
        if (Matches(rule.ClassName, rule.Field, className, field)) {
            return rule.Rule;
        }
    }
    return {};
}

bool IntRangeOf(const std::string& className, const std::string& field, IntRange& range) {
    for (const NamedRange& named : kRanges) {
        if (Matches(named.ClassName, named.Field, className, field)) {
            range = named.Range;
            return true;
        }
    }
    return false;
}

}  // namespace aw
