// The environment as events use it: the variable table, the messages, buffers and "strs".
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "installer/script/variables/script_environment.h"
#include "installer/script/variables/tests/fakes/fake_controller.h"

namespace aw {
namespace {

using Messages = std::vector<std::string>;

class ScriptEnvironmentTest : public ::testing::Test {
  protected:
    bool Store(const char* name, std::string_view text) {
        TextVariable* variable = environment.TextVariableNamed(name);
        return variable != nullptr && environment.StoreText(*variable, text);
    }

    std::string Expand(std::string_view text) {
        char buffer[260];
        std::memset(buffer, 'z', sizeof buffer);
        if (!environment.Expand(text, buffer)) {
            EXPECT_EQ(buffer[0], '\0');
            return "<failed>";
        }
        return buffer;
    }

    testing::FakeErrorReport errors;
    testing::FakeDirectories directories;
    testing::FakeOutputFiles files;
    ScriptEnvironment environment{errors, directories, files};
};

TEST_F(ScriptEnvironmentTest, TheVariablesAndTheirStartingValues) {
    for (const char* name : {"minspace", "exitcode1", "exitcode2"}) {
        ASSERT_NE(environment.IntegerVariable(name), nullptr) << name;
        EXPECT_EQ(*environment.IntegerVariable(name), 0);
        EXPECT_EQ(environment.TextVariableNamed(name), nullptr) << name;
    }
    for (const char* name : {"w", "y", "i", "path"}) {
        ASSERT_NE(environment.TextVariableNamed(name), nullptr) << name;
        EXPECT_EQ(environment.TextVariableNamed(name)->Text(), "");
        EXPECT_EQ(environment.IntegerVariable(name), nullptr) << name;
    }
    for (const char* name : {"s", "MinSpace", "I", "x", ""}) {
        EXPECT_EQ(environment.IntegerVariable(name), nullptr) << name;
        EXPECT_EQ(environment.TextVariableNamed(name), nullptr) << name;
    }
}

TEST_F(ScriptEnvironmentTest, ConditionsReadTheCurrentValues) {
    std::int32_t value = -1;
    *environment.IntegerVariable("minspace") = 4000;
    ASSERT_TRUE(environment.Evaluate("minspace >= 2048 && exitcode1 == 0", value));
    EXPECT_EQ(value, 1);
    *environment.IntegerVariable("exitcode1") = 3;
    ASSERT_TRUE(environment.Evaluate("minspace >= 2048 && exitcode1 == 0", value));
    EXPECT_EQ(value, 0);
    ASSERT_TRUE(environment.Evaluate("0 && nosuchvar", value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(ScriptEnvironmentTest, ExpressionFailuresShowTheirMessage) {
    std::int32_t value = 77;
    EXPECT_FALSE(environment.Evaluate("1 && nosuchvar", value));
    EXPECT_FALSE(environment.Evaluate("5/0", value));
    EXPECT_FALSE(environment.Evaluate("a = 1", value));
    EXPECT_FALSE(environment.Evaluate("", value));
    EXPECT_FALSE(environment.Evaluate("i == 0", value));
    EXPECT_EQ(value, 77);
    EXPECT_EQ(errors.messages,
              (Messages{"Unknown variable in expression 1 && nosuchvar",
                        "Unknown variable in expression 5/0", "Syntax error in expression a = 1",
                        "Syntax error in expression ", "Unknown variable in expression i == 0"}));
}

TEST_F(ScriptEnvironmentTest, ExpandsTextVariablesAndTheSourceDirectory) {
    ASSERT_TRUE(Store("i", "C:\\APP"));
    EXPECT_EQ(Expand("$i\\myapp.ini"), "C:\\APP\\myapp.ini");
    EXPECT_EQ(Expand("$path\\file"), "\\file");
    EXPECT_EQ(directories.sourceQueries, 0);
    EXPECT_EQ(Expand("$s\\setup.exe"), "D:\\DISK1\\setup.exe");
    directories.source = "D:\\DISK2";
    EXPECT_EQ(Expand("${s}"), "D:\\DISK2");
    EXPECT_EQ(directories.sourceQueries, 2);
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(ScriptEnvironmentTest, SubstitutionFailuresShowTheirMessage) {
    EXPECT_EQ(Expand("$nosuch"), "<failed>");
    EXPECT_EQ(Expand("${bad-name}"), "<failed>");
    EXPECT_EQ(Expand("${open"), "<failed>");
    EXPECT_EQ(errors.messages, (Messages{"Unknown variable in expression $nosuch",
                                         "Bad variable name in expression ${bad-name}",
                                         "Bad variable name in expression ${open"}));
}

TEST_F(ScriptEnvironmentTest, ResultsThatDoNotFitTheirBufferFail) {
    ASSERT_TRUE(Store("w", std::string(200, 'w')));
    char buffer[201];
    EXPECT_TRUE(environment.Expand("$w", buffer));
    EXPECT_EQ(std::strlen(buffer), 200u);
    EXPECT_FALSE(environment.Expand("$w.", buffer));
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_FALSE(environment.Expand("x", std::span<char>()));
    EXPECT_EQ(errors.messages,
              (Messages{"Text too long in expression $w.", "Text too long in expression x"}));
}

TEST_F(ScriptEnvironmentTest, StoredTextsHoldAtMost255Characters) {
    EXPECT_TRUE(Store("y", std::string(255, 'y')));
    EXPECT_EQ(environment.TextVariableNamed("y")->Text().size(), 255u);
    EXPECT_FALSE(Store("y", std::string(256, 'n')));
    EXPECT_EQ(environment.TextVariableNamed("y")->Text(), std::string(255, 'y'));
    EXPECT_EQ(errors.messages, Messages{"Text too long for variable y"});
}

TEST_F(ScriptEnvironmentTest, AServiceThatLeavesNoTerminatorIsReadWithinTheBuffer) {
    TextVariable* variable = environment.TextVariableNamed("path");
    std::memset(variable->Buffer(), 'p', TextVariable::kBufferSize);
    EXPECT_EQ(variable->Text(), std::string(255, 'p'));
    EXPECT_EQ(Expand("$path").size(), 255u);
}

TEST_F(ScriptEnvironmentTest, WritesTheStringListIntoTheOwnDirectory) {
    ASSERT_TRUE(Store("i", "C:\\APP"));
    const std::vector<std::string> texts = {"$i", "", "$s\\a 100$$"};
    ASSERT_TRUE(environment.WriteStringList(texts));
    EXPECT_EQ(files.contents["C:\\WINDOWS\\TEMP\\AW\\strs"],
              "C:\\APP\r\n\r\nD:\\DISK1\\a 100$\r\n");
    EXPECT_EQ(files.closes, 1);
    directories.own = "C:\\";
    ASSERT_TRUE(environment.WriteStringList({}));
    EXPECT_EQ(files.contents["C:\\strs"], "");
}

TEST_F(ScriptEnvironmentTest, AStringListThatFailsToExpandWritesNothing) {
    const std::vector<std::string> texts = {"fine", "$nosuch"};
    EXPECT_FALSE(environment.WriteStringList(texts));
    EXPECT_TRUE(files.contents.empty());
    EXPECT_EQ(errors.messages, Messages{"Unknown variable in expression $nosuch"});
}

TEST_F(ScriptEnvironmentTest, StringListFileFailures) {
    const std::vector<std::string> texts = {"one", "two"};
    files.refuseOpen = true;
    EXPECT_FALSE(environment.WriteStringList(texts));
    files.refuseOpen = false;
    files.writesBeforeFailure = 3;
    EXPECT_FALSE(environment.WriteStringList(texts));
    files.writesBeforeFailure = -1;
    files.failClose = true;
    EXPECT_FALSE(environment.WriteStringList(texts));
    EXPECT_EQ(files.closes, 2);
    EXPECT_EQ(errors.messages, (Messages{"Unable to open C:\\WINDOWS\\TEMP\\AW\\strs",
                                         "Unable to write C:\\WINDOWS\\TEMP\\AW\\strs",
                                         "Unable to write C:\\WINDOWS\\TEMP\\AW\\strs"}));
}

}  // namespace
}  // namespace aw
