#include "installer/script/host/script_interpreter.h"

#include "installer/script/host/tests/interpreter_rig.h"

namespace aw::testing {
namespace {

using ScriptInterpreterTest = InterpreterTest;

TEST_F(ScriptInterpreterTest, ComponentAndConditionDecideWhetherAnEventRuns) {
    auto& falseCondition = Add<MakeDir>("0");
    falseCondition.ComponentBound = 1;
    falseCondition.Path = "C:\\SKIPPED";
    // Deselected: its condition, which names no variable, is never evaluated.
    auto& deselected = Add<MakeDir>("nosuchvar == 1");
    deselected.ComponentBound = 1;
    selection[1] = false;
    Add<MakeDir>().Path = "C:\\RUN";
    services.CompletionStatusValue = 4;

    EXPECT_EQ(interpreter.Run(), 4);
    EXPECT_EQ(services.Calls, std::vector<std::string>{"MakeDirectory C:\\RUN"});
    EXPECT_TRUE(services.Errors.empty());
    EXPECT_EQ(services.UndoClasses.size(), 3u);
}

TEST_F(ScriptInterpreterTest, ABadConditionOrAFailedEventStopsWithStatusOne) {
    Add<MakeDir>("1 +");
    Add<MakeDir>();
    EXPECT_EQ(interpreter.Run(), 1);
    EXPECT_EQ(services.Errors, std::vector<std::string>{"Syntax error in expression 1 +"});
    EXPECT_TRUE(services.Calls.empty());

    script.Events.At(0)->Condition = "1";
    services.Succeed = false;
    EXPECT_EQ(interpreter.Run(), 1);
    EXPECT_EQ(services.Calls.size(), 1u);
}

TEST_F(ScriptInterpreterTest, ASkippedInstallFilesEventStillMovesTheGauge) {
    DistributionFile big;
    big.Compressed = 1;
    big.FirstSize = 4096;
    big.SecondSize = 9000;
    auto& event = Add<InstallFiles>("0");
    event.SourceKind = 1;
    event.Files.Files.push_back({0, &big});
    interpreter.Run();
    EXPECT_EQ(services.Advances, std::vector<std::uint32_t>{8});
}

TEST_F(ScriptInterpreterTest, WithoutTheCustomHandlerCustomEventsSkipOrStop) {
    Add<CustomHook>();
    Add<MakeDir>().Path = "C:\\AFTER";
    Add<CustomStep>();
    Add<MakeDir>().Path = "C:\\NEVER";
    EXPECT_EQ(interpreter.Run(), 1);
    EXPECT_EQ(services.Errors, std::vector<std::string>{kUninterpretableEventMessage});
    EXPECT_EQ(services.Calls, std::vector<std::string>{"MakeDirectory C:\\AFTER"});
    EXPECT_TRUE(custom.Positions.empty());
}

TEST_F(ScriptInterpreterTest, WithTheCustomHandlerCustomEventsGoToItByPosition) {
    script.Build.Current()->CustomHandler = 1;
    Add<MakeDir>();
    Add<CustomHook>();
    Add<CustomValue>();
    custom.Answer = StepOutcome::Continue;
    EXPECT_EQ(interpreter.Run(), services.CompletionStatusValue);
    EXPECT_EQ(custom.Positions, (std::vector<std::int32_t>{1, 2}));

    custom.Answer = StepOutcome::Stop;
    EXPECT_EQ(interpreter.Run(), 7);
}

TEST_F(ScriptInterpreterTest, LeavingThroughTheScreenStopsBeforeTheNextEvent) {
    Add<MakeDir>().Path = "C:\\FIRST";
    Add<MakeDir>().Path = "C:\\SECOND";
    int asked = 0;
    EXPECT_EQ(interpreter.Run([&] { return ++asked == 2; }), 1);
    EXPECT_EQ(services.Calls, std::vector<std::string>{"MakeDirectory C:\\FIRST"});
}

TEST_F(ScriptInterpreterTest, CompletionThatEndsNowStopsWithItsStatus) {
    Add<SetCompletion>().EndNow = 1;
    Add<MakeDir>();
    services.Completion = 4;
    services.CompletionReply = CompletionAnswer::Stop;
    EXPECT_EQ(interpreter.Run(), 4);
    EXPECT_EQ(services.Calls, std::vector<std::string>{"SetCompletion"});
}

TEST_F(ScriptInterpreterTest, InternalFaultsAreReportedAndTheRunGoesOn) {
    script.Build.CurrentStyle = 5;
    Add<MakeDir>().Path = "C:\\RUN";
    Add<MakeDir>().ComponentBound = 1;
    selection.resize(1);
    interpreter.Run();
    EXPECT_EQ(services.Checks, std::vector<std::string>(2, "AWTEST"));
    EXPECT_EQ(services.Calls, std::vector<std::string>{"MakeDirectory C:\\RUN"});
}

}  // namespace
}  // namespace aw::testing
