// The expression language on its own: values, syntax, short-circuits and hostile texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "installer/script/variables/expression_evaluation.h"
#include "installer/script/variables/expression_program.h"

namespace aw {
namespace {

class MapValues : public IntegerValues {
  public:
    std::optional<std::int32_t> Find(std::string_view name) override {
        reads.emplace_back(name);
        const auto found = values.find(std::string(name));
        if (found == values.end()) {
            return std::nullopt;
        }
        return found->second;
    }

    std::map<std::string, std::int32_t> values = {
        {"minspace", 4096}, {"exitcode1", 0}, {"a", 1}, {"b", 2}};
    std::vector<std::string> reads;
};

struct Outcome {
    bool parsed = false;
    EvaluationError error = EvaluationError::kNone;
    std::int32_t value = 0;
};

Outcome Compute(const std::string& text, MapValues& values) {
    const std::optional<ExpressionProgram> program = ParseExpression(text);
    if (!program) {
        return {};
    }
    const Evaluation evaluation = EvaluateExpression(*program, values);
    return {true, evaluation.error, evaluation.value};
}

Outcome Compute(const std::string& text) {
    MapValues values;
    return Compute(text, values);
}

void ExpectValue(const std::string& text, std::int32_t expected) {
    SCOPED_TRACE(text);
    const Outcome outcome = Compute(text);
    ASSERT_TRUE(outcome.parsed);
    ASSERT_EQ(outcome.error, EvaluationError::kNone);
    EXPECT_EQ(outcome.value, expected);
}

void ExpectSyntaxError(const std::string& text) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(Compute(text).parsed);
}

TEST(ScriptExpression, ValuesOfTheOperators) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"1", 1},
        {"0", 0},
        {"007", 7},
        {" \t12\r\n", 12},
        {"2+3*4", 14},
        {"(2+3)*4", 20},
        {"7/2", 3},
        {"0-7/2", -3},
        {"8-2-1", 5},
        {"8/2/2", 2},
        {"0-7", -7},
        {"6*7", 42},
        {"3<4", 1},
        {"4<4", 0},
        {"4<=4", 1},
        {"5>4", 1},
        {"4>=5", 0},
        {"0-1<0", 1},
        {"3==3", 1},
        {"3!=3", 0},
        {"6&3", 2},
        {"6^3", 5},
        {"6|3", 7},
        {"2&&3", 1},
        {"2&&0", 0},
        {"0||0", 0},
        {"0||5", 1},
        {"5||0", 1},
        {"!0", 1},
        {"!7", 0},
        {"!!7", 1},
        {"!a+b", 2},
        {"!(a+b)", 0},
        {"1|2^3&4", 3},
        {"1<2==1", 1},
        {"2+2==4&&1", 1},
        {"1||0&&0", 1},
        {"(1||0)&&0", 0},
        {"4&1==1", 0},
        {"a == 1", 1},
        {"minspace >= 2048 && exitcode1 == 0", 1},
    };
    for (const auto& [text, expected] : cases) {
        ExpectValue(text, expected);
    }
}

TEST(ScriptExpression, SyntaxErrors) {
    const char* cases[] = {
        "",
        "  ",
        "-1",
        "-7/2",
        "a = 1",
        "1 %2",
        "1,2",
        "'1'",
        "\"1\"",
        "1+",
        "*2",
        "(1",
        "1)",
        "()",
        "(1))",
        "1 2",
        "a b",
        "!",
        "1!",
        "1 !2",
        "!=1",
        "1=<2",
        "1=>2",
        "1 & & 2",
        "1 &&& 2",
        "12abc",
        "1+\x80",
        "2147483648",
        "99999999999999999999",
    };
    for (const char* text : cases) {
        ExpectSyntaxError(text);
    }
}

TEST(ScriptExpression, NamesAreExactAndAtMost39Characters) {
    MapValues values;
    values.values["Abc"] = 3;
    const std::string name39(39, 'x');
    values.values[name39] = 39;
    EXPECT_EQ(Compute("Abc", values).value, 3);
    EXPECT_EQ(Compute("abc", values).error, EvaluationError::kUnknownVariable);
    EXPECT_EQ(Compute(name39, values).value, 39);
    EXPECT_FALSE(Compute(name39 + "x", values).parsed);
}

TEST(ScriptExpression, ShortCircuitSkipsTheRightSide) {
    MapValues values;
    EXPECT_EQ(Compute("0 && nosuchvar", values).value, 0);
    EXPECT_EQ(Compute("0 && nosuchvar", values).error, EvaluationError::kNone);
    EXPECT_EQ(Compute("1 || nosuchvar", values).value, 1);
    EXPECT_EQ(Compute("0 && 1/0", values).error, EvaluationError::kNone);
    EXPECT_EQ(Compute("0 && a || b", values).value, 1);
    EXPECT_TRUE(values.reads == std::vector<std::string>{"b"});
    EXPECT_EQ(Compute("1 && nosuchvar", values).error, EvaluationError::kUnknownVariable);
    EXPECT_EQ(Compute("0 || nosuchvar", values).error, EvaluationError::kUnknownVariable);
}

TEST(ScriptExpression, SkippedPartsAreStillChecked) {
    ExpectSyntaxError("0 && (1 +)");
    ExpectSyntaxError("1 || 1 = 1");
    ExpectSyntaxError("0 && 1 % 2");
}

TEST(ScriptExpression, VariablesAreReadWhenEvaluated) {
    MapValues values;
    const std::optional<ExpressionProgram> program = ParseExpression("minspace + 1");
    ASSERT_TRUE(program);
    EXPECT_TRUE(values.reads.empty());
    values.values["minspace"] = 9;
    EXPECT_EQ(EvaluateExpression(*program, values).value, 10);
    values.values["minspace"] = 19;
    EXPECT_EQ(EvaluateExpression(*program, values).value, 20);
}

TEST(ScriptExpression, DivisionByZeroFails) {
    EXPECT_EQ(Compute("5/0").error, EvaluationError::kDivisionByZero);
    EXPECT_EQ(Compute("5/(a-1)").error, EvaluationError::kDivisionByZero);
}

TEST(ScriptExpression, ArithmeticWrapsAt32Bits) {
    MapValues values;
    values.values["max"] = std::numeric_limits<std::int32_t>::max();
    values.values["min"] = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(Compute("max + 1", values).value, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Compute("min - 1", values).value, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Compute("max * 2", values).value, -2);
    EXPECT_EQ(Compute("min * (0-1)", values).value, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Compute("min / (0-1)", values).value, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Compute("0-2147483647-1", values).value, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Compute("min < max", values).value, 1);
    ExpectValue("2147483647", std::numeric_limits<std::int32_t>::max());
}

TEST(ScriptExpression, DeepNestingUsesNoCallStack) {
    const int depth = 200000;
    ExpectValue(std::string(depth, '(') + "1" + std::string(depth, ')'), 1);
    ExpectValue(std::string(depth, '!') + "0", 0);
    std::string chain = "1";
    for (int n = 0; n < depth; ++n) {
        chain += "+1";
    }
    ExpectValue(chain, depth + 1);
    ExpectSyntaxError(std::string(depth, '(') + "1" + std::string(depth - 1, ')'));
}

// Random bytes and random mixes of the language's own characters must end in a result or
// a refusal; the sanitizers catch any read outside the text.
TEST(ScriptExpression, HostileTextsNeverMisbehave) {
    std::mt19937 random(1234);
    const std::string alphabet = "0123456789ab_()!*/+-<>=&^| \t%$";
    for (int round = 0; round < 20000; ++round) {
        std::string text(random() % 24, ' ');
        for (char& c : text) {
            c = round % 2 ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
        }
        Compute(text);
    }
}

}  // namespace
}  // namespace aw
