// A source with a fault is refused with a message that names the source file, the place in it
// and the problem, and nothing is written.
#include <gtest/gtest.h>

#include <fstream>

#include "tools/scriptsource/source_lines.h"
#include "tools/scriptsource/tests/source_fixture.h"

namespace aw::testing {
namespace {

// A source that builds, with `events` and `more` top-level members put in.
std::string Source(const std::string& events, const std::string& more = "") {
    return R"({"product": "Tiny", )" + more +
           R"("files": [{"id": "main", "folder": "{programs}", "pattern": "LineWink.exe"}],
  "dialogs": [{"name": "Ask", "controls": [{"kind": "textBox", "variable": "i"}]}],
  "events": [)" +
           events + "]}";
}

class SourceErrorsTest : public SourceTest {
  protected:
    // Expects the build to fail with "<source file>:<line>: <place>: <problem>".
    void ExpectRefused(const std::string& source, const std::string& placeAndProblem) {
        const std::string error = Build(source);
        const std::string file = (directory / "src.json").string() + ":";
        EXPECT_EQ(error.substr(0, file.size()), file);
        EXPECT_NE(error.find(placeAndProblem), std::string::npos)
            << "\"" << error << "\" does not hold \"" << placeAndProblem << "\"";
        EXPECT_TRUE(NothingWritten());
    }
};

TEST_F(SourceErrorsTest, TheSourceItselfBuilds) {
    EXPECT_EQ(Build(Source(R"({"event": "SetText", "variable": "i", "value": "C:\\T"})")), "");
}

TEST_F(SourceErrorsTest, MessagesGiveTheLine) {
    EXPECT_NE(Build("{\"product\": \"Tiny\",\n \"events\": [\n  {\"event\": \"WriteIni\",\n"
                    "   \"mode\": 9}]}")
                  .find("src.json:4: events[0].mode: 9 is out of range"),
              std::string::npos);
}

TEST(SourceLineTest, ValuesByPathAndDefaultsByTheirRecord) {
    const std::string text =
        "{\"a\": \"x{[\\\"\",\n"
        " \"events\": [\n"
        "  {\"event\": \"SetText\"},\n"
        "  {\"event\": \"WriteIni\",\n"
        "   \"mode\": [1,\n 2]}]}";
    EXPECT_EQ(SourceLine(text, "a"), 1);
    EXPECT_EQ(SourceLine(text, "events[0].event"), 3);
    EXPECT_EQ(SourceLine(text, "events[1].mode[1]"), 6);
    EXPECT_EQ(SourceLine(text, "events[1].file"), 4);
    EXPECT_EQ(SourceLine(text, "screen.titles"), 0);
}

TEST_F(SourceErrorsTest, JsonThatDoesNotParseNamesTheLine) {
    ExpectRefused("{\"product\": \"Tiny\",\n  \"events\": [}", "line 2, column 14");
}

TEST_F(SourceErrorsTest, UnknownEventClassOrField) {
    ExpectRefused(Source(R"({"event": "SetTxt"})"),
                  R"(events[0].event: unknown event class "SetTxt")");
    ExpectRefused(Source(R"({"event": "SetText", "variable": "i", "colour": 3})"),
                  "events[0].colour: unknown field");
    ExpectRefused(Source("{}", R"("packaging": {"disks": 2}, )"), "packaging.disks: unknown key");
}

TEST_F(SourceErrorsTest, CustomEventsWithoutTheHandler) {
    ExpectRefused(Source(R"({"event": "SetText", "variable": "i"}, {"event": "CustomStep"})"),
                  "events[1].event: a custom event stops the run unless the source sets");
}

TEST_F(SourceErrorsTest, ValuesOutOfRange) {
    ExpectRefused(Source(R"({"event": "WriteIni", "mode": 7, "file": "$i\\a.ini"})"),
                  "events[0].mode: 7 is out of range (0 to 3)");
    // Refused by the script's own field table: the place is still the source's.
    ExpectRefused(Source(R"({"event": "SetText", "variable": "i", "UndoClass": 3})"),
                  "events[0].UndoClass: value outside the range the installer accepts");
    ExpectRefused(Source("", R"("screen": {"titles": [{"x": "left"}]}, )"),
                  "screen.titles[0].x: expected an integer");
    ExpectRefused(Source("", R"("productVersion": "1.2.70000.0", )"),
                  "productVersion: expected four numbers");
}

TEST_F(SourceErrorsTest, ReferencesToMissingFilesDialogsEventsAndVariables) {
    ExpectRefused(R"({"product": "Tiny", "files": [{"id": "x", "pattern": "*.nothing"}]})",
                  "files[0].pattern: no file in");
    ExpectRefused(Source(R"({"event": "InstallFiles", "files": ["main", "docs"]})"),
                  R"(events[0].files[1]: no file group has the id "docs")");
    ExpectRefused(Source(R"({"event": "ShowUserDialog", "dialogName": "Folder"})"),
                  R"(events[0].dialogName: no dialog is named "Folder")");
    ExpectRefused(Source(R"({"event": "GetWindowsDir"})"),
                  R"(events[0].variable: "x" is no text variable)");
    ExpectRefused(Source(R"({"event": "InstallUninstaller", "backDirectory": "$i"})"),
                  "events[0].auxiliaryFiles: names no file for the Windows directory");
    ExpectRefused(Source(R"({"event": "InstallUninstaller", "auxiliaryFiles": ["main"]})"),
                  "events[0].auxiliaryFiles: names a group whose files are not auxiliary");
    ExpectRefused(Source("", R"("components": [{"name": "A", "events": ["nope"]}], )"),
                  R"(components[0].events[0]: "nope" is the id of no event)");
}

TEST_F(SourceErrorsTest, ExpressionsAndTextsThatDoNotParse) {
    ExpectRefused(Source(R"({"event": "SetText", "variable": "i", "condition": "1 +"})"),
                  R"(events[0].condition: the expression "1 +" does not parse)");
    ExpectRefused(Source(R"({"event": "SetInteger", "variable": "minspace", "value": "size*2"})"),
                  "events[0].value: the expression \"size*2\" names size");
    ExpectRefused(Source(R"({"event": "SetText", "variable": "i", "value": "${bad-name}"})"),
                  "events[0].value: the text \"${bad-name}\" has a bad variable name");
    ExpectRefused(Source(R"({"event": "SetText", "variable": "i", "value": "$nosuch\\x"})"),
                  "events[0].value: the text \"$nosuch\\x\" names an unknown text variable");
}

TEST_F(SourceErrorsTest, MissingProgramsAreNamedAll) {
    std::filesystem::remove(programs / "setup.exe");
    std::filesystem::remove(programs / "awenu.dll");
    const std::string error = Build(Source(""));
    EXPECT_NE(error.find((programs / "awenu.dll").string() + " (the language library for enu)"),
              std::string::npos)
        << error;
    EXPECT_NE(error.find((programs / "setup.exe").string() + " (the launcher)"), std::string::npos)
        << error;
    EXPECT_TRUE(NothingWritten());
}

TEST_F(SourceErrorsTest, AFirstDiskTooSmallForTheInstaller) {
    ExpectRefused(Source("", R"("packaging": {"diskFolders": true, "diskSize": 4096}, )"),
                  "packaging.diskSize: the first disk holds 4096 bytes, less than the");
}

// Found only while packing, after files were written: the scratch folder goes.
TEST_F(SourceErrorsTest, APackingFaultLeavesNothing) {
    const std::string error = Build(R"({"product": "Twice", "files": [
        {"id": "a", "folder": "{programs}", "pattern": "LineWink.exe"},
        {"id": "b", "folder": "{programs}", "pattern": "linewink.EXE"}]})");
    EXPECT_NE(error.find("LineWink.ex_"), std::string::npos) << error;
    EXPECT_TRUE(NothingWritten());
}

TEST_F(SourceErrorsTest, AnOutputThatHoldsFilesIsLeftAlone) {
    std::filesystem::create_directories(output);
    std::ofstream(output / "mine.txt") << "keep";
    EXPECT_NE(Build(Source("")).find("already exists"), std::string::npos);
    EXPECT_EQ(OutputFiles(), std::set<std::string>{"mine.txt"});
    std::filesystem::remove_all(output);
    std::filesystem::create_directories(output.string() + ".partial");
    EXPECT_NE(Build(Source("")).find(".partial: already exists"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(output));
}

}  // namespace
}  // namespace aw::testing
