#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "installer/movexe/movexe_command.h"
#include "installer/movexe/movexe_handover.h"
#include "installer/movexe/movexe_run.h"

namespace aw {
namespace {

// A starter that ends after a number of looks, a file held for a number of looks, and a record
// of what was done to it.
class FakeMovexeSystem : public MovexeSystem {
  public:
    std::optional<std::string> ReadHandoverText() override { return handover; }
    void DeleteHandover() override { handover.reset(); }
    std::uint32_t Ticks() override { return now; }
    void Pause(std::uint32_t milliseconds) override { now += milliseconds; }
    bool StarterEnded() override { return starterLooks-- <= 0; }
    FileStep CheckFree(const std::string& path) override {
        if (!files.contains(path)) {
            return FileStep::Failed;
        }
        return heldLooks-- > 0 ? FileStep::InUse : FileStep::Done;
    }
    FileStep Move(const std::string& from, const std::string& to) override {
        done.push_back("move " + from + " " + to);
        files.erase(from);
        files[to] = true;
        return FileStep::Done;
    }
    FileStep Remove(const std::string& path) override {
        done.push_back("remove " + path);
        return files.erase(path) ? FileStep::Done : FileStep::Failed;
    }
    bool Start(const std::string& path, bool unattended) override {
        done.push_back("start " + path + (unattended ? " /S" : ""));
        return files.contains(path);
    }
    void Report(const std::string& message) override { reports.push_back(message); }

    std::optional<std::string> handover;
    std::uint32_t now = 0;
    int starterLooks = 0;
    int heldLooks = 0;
    std::map<std::string, bool> files = {{"C:\\PROGRA~1\\BACK\\AWMAIN.EXE", true}};
    std::vector<std::string> done;
    std::vector<std::string> reports;
};

std::string Ini(const std::string& file, const std::string& target, const std::string& start) {
    return "[x]\r\nf=" + file + "\r\nt=" + target + "\r\nx=" + start + "\r\n";
}

const std::string kProgram = "C:\\PROGRA~1\\BACK\\AWMAIN.EXE";

TEST(MovexeTest, WaitsForTheStarterAndTheFileThenMovesAndStartsAtTheNewPlace) {
    FakeMovexeSystem system;
    system.handover = Ini(kProgram, "C:", "1");
    system.starterLooks = 3;
    system.heldLooks = 2;
    EXPECT_EQ(RunMovexe(system, {.Unattended = true}), 0);
    EXPECT_EQ(system.done, (std::vector<std::string>{"move " + kProgram + " C:\\AWMAIN.EXE",
                                                     "start C:\\AWMAIN.EXE /S"}));
    EXPECT_FALSE(system.handover);
    EXPECT_TRUE(system.reports.empty());
}

TEST(MovexeTest, WithoutATargetRemovesTheFileOrStartsItInPlace) {
    FakeMovexeSystem removing;
    removing.handover = Ini(kProgram, "", "0");
    EXPECT_EQ(RunMovexe(removing, {}), 0);
    EXPECT_EQ(removing.done, std::vector<std::string>{"remove " + kProgram});

    FakeMovexeSystem starting;
    starting.handover = Ini(kProgram, "", "1");
    EXPECT_EQ(RunMovexe(starting, {}), 0);
    EXPECT_EQ(starting.done, std::vector<std::string>{"start " + kProgram});
}

TEST(MovexeTest, GivesUpWithItsReasonWhenTheStarterNeverEndsAcrossTheTickWrap) {
    FakeMovexeSystem system;
    system.handover = Ini(kProgram, "C:\\", "1");
    system.now = 0xFFFFF000u;
    system.starterLooks = 1000000;
    EXPECT_EQ(RunMovexe(system, {.WaitMilliseconds = 5000}), 1);
    EXPECT_TRUE(system.done.empty());
    EXPECT_EQ(system.now - 0xFFFFF000u, 5000u);
    ASSERT_EQ(system.reports.size(), 1u);
    EXPECT_NE(system.reports[0].find(kProgram + " is still in use, after 5 seconds"),
              std::string::npos);
}

TEST(MovexeTest, AnUnusableHandOverChangesNothingAndSaysWhy) {
    const std::vector<std::pair<std::optional<std::string>, std::string>> cases = {
        {std::nullopt, "movexe.ini is missing"},
        {"[x]\r\nt=C:\r\nx=1\r\n", "names no file"},
        {Ini("AWMAIN.EXE", "", "0"), "\"AWMAIN.EXE\" is not a full file path"},
        {Ini(kProgram, "BACK", "0"), "\"BACK\" is not a full directory path"},
        {Ini(kProgram, "", "yes"), "key \"x\" is \"yes\""},
        {Ini("C:\\GONE.EXE", "", "0"), "Unable to open C:\\GONE.EXE"},
    };
    for (const auto& [text, reason] : cases) {
        FakeMovexeSystem system;
        system.handover = text;
        EXPECT_EQ(RunMovexe(system, {}), 1);
        EXPECT_TRUE(system.done.empty());
        EXPECT_FALSE(system.handover);
        ASSERT_EQ(system.reports.size(), 1u);
        EXPECT_NE(system.reports[0].find(reason), std::string::npos) << system.reports[0];
    }
}

TEST(MovexeTest, TheFinalPlaceKeepsTheFileNameUnderARootOrShare) {
    EXPECT_EQ((Handover{kProgram, "C:", false}).FinalPath(), "C:\\AWMAIN.EXE");
    EXPECT_EQ((Handover{kProgram, "C:\\", false}).FinalPath(), "C:\\AWMAIN.EXE");
    EXPECT_EQ((Handover{kProgram, "\\\\srv\\apps", false}).FinalPath(),
              "\\\\srv\\apps\\AWMAIN.EXE");
    EXPECT_EQ((Handover{kProgram, "", true}).FinalPath(), kProgram);
}

TEST(MovexeTest, ArgumentsSetTheUnattendedRunAndTheWait) {
    const MovexeCommand command = ParseMovexeArguments({"/s", "--wait", "2"});
    EXPECT_TRUE(command.Options.Unattended);
    EXPECT_EQ(command.Options.WaitMilliseconds, 2000u);
    EXPECT_EQ(ParseMovexeArguments({}).Options.WaitMilliseconds, 60000u);
    EXPECT_TRUE(ParseMovexeArguments({"--help"}).Help);
    EXPECT_NE(ParseMovexeArguments({"--wait", "2x"}).Problem, "");
    EXPECT_NE(ParseMovexeArguments({"/Q"}).Problem, "");
}

}  // namespace
}  // namespace aw
