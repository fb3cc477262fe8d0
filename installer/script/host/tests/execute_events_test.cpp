#include "installer/script/host/event_executor.h"

#include "installer/controller/registry/registry_access.h"
#include "installer/oplog/registry_key.h"
#include "installer/script/host/tests/interpreter_rig.h"

namespace aw::testing {
namespace {

using ExecuteEventsTest = InterpreterTest;

TEST_F(ExecuteEventsTest, IniModesBecomeTheRequestFlags) {
    struct Flags {
        std::int32_t mode, replace, skip;
    };
    const Flags expected[] = {{0, 1, 1}, {1, 0, 1}, {1, 0, 0}, {0, 0, 1}};
    WriteIni event;
    SetText("i", "C:\\APP");
    for (std::int32_t mode = 0; mode < 4; ++mode) {
        event.Mode = mode;
        ASSERT_TRUE(Execute(event));
        const IniRequest& request = services.IniRequests.back();
        EXPECT_EQ(request.Position, 1000);
        EXPECT_EQ(request.File, "C:\\APP\\myapp.ini");
        EXPECT_EQ(request.Mode, expected[mode].mode) << mode;
        EXPECT_EQ(request.ReplaceExisting, expected[mode].replace) << mode;
        EXPECT_EQ(request.SkipIfValuePresent, expected[mode].skip) << mode;
    }
}

TEST_F(ExecuteEventsTest, AFailedExpansionChangesNothing) {
    WriteIni event;
    event.Value = "$nosuch";
    EXPECT_FALSE(Execute(event));
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(services.Calls.empty());
    EXPECT_EQ(services.Errors, std::vector<std::string>{"Unknown variable in expression $nosuch"});
}

TEST_F(ExecuteEventsTest, RegistryDataByValueType) {
    WriteRegistry event;
    event.Root = 0;
    event.ValueType = 3;
    event.Value = "0a,ff,00";
    ASSERT_TRUE(Execute(event));
    EXPECT_EQ(services.RegistryRequests[0].Key.Root, kClassesRoot);
    EXPECT_EQ(services.RegistryRequests[0].Type, kRegBytes);
    EXPECT_EQ(services.RegistryRequests[0].Bytes, (std::vector<std::uint8_t>{0x0A, 0xFF, 0x00}));

    event.Value = "0g";
    EXPECT_FALSE(Execute(event));
    EXPECT_EQ(services.RegistryRequests.size(), 1u);
    EXPECT_EQ(services.Errors.size(), 1u);

    event.ValueType = 4;
    event.Value = "C:\\DATA.BIN";
    support.FileBytes[event.Value] = {1, 2, 3};
    ASSERT_TRUE(Execute(event));
    EXPECT_EQ(services.RegistryRequests[1].Bytes, (std::vector<std::uint8_t>{1, 2, 3}));
    event.Value = "C:\\MISSING.BIN";
    EXPECT_FALSE(Execute(event));

    event.ValueType = 2;
    event.Value = "minspace + 5";
    ASSERT_TRUE(Execute(event));
    EXPECT_EQ(services.RegistryRequests[2].Type, kRegNumber);
    EXPECT_EQ(services.RegistryRequests[2].Number, 5u);

    event.ValueType = 5;
    event.Value = "a\r\nb";
    event.Root = 2;
    ASSERT_TRUE(Execute(event));
    EXPECT_EQ(services.RegistryRequests[3].Type, kRegTextList);
    EXPECT_EQ(services.RegistryRequests[3].Texts, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(services.RegistryRequests[3].Key.Root, kLocalMachine);

    event.ValueType = 6;
    ASSERT_TRUE(Execute(event));
    EXPECT_EQ(services.RegistryRequests[4].Type, kRegNone);
}

TEST_F(ExecuteEventsTest, ProgramsGetTheirWindowStateAndGiveTheirExitCode) {
    RunProgram event;
    event.Kind = 1;
    event.WindowState = 2;
    event.CommandLine = "setup.exe";
    event.ExitCodeVariable = "exitcode1";
    services.ExitCode = 3;
    ASSERT_TRUE(Execute(event));
    EXPECT_EQ(services.Programs[0].ShowWindow, 3);
    EXPECT_EQ(*Integer("exitcode1"), 3);

    event.ExitCodeVariable = "nosuch";
    EXPECT_FALSE(Execute(event));
    EXPECT_EQ(services.Programs.size(), 1u);
    EXPECT_TRUE(services.Errors.empty());
}

TEST_F(ExecuteEventsTest, TextToIntegerTakesOnlyAWholeNumber) {
    TextToInteger event;
    event.Variable = "minspace";
    event.Value = " -42 ";
    ASSERT_TRUE(Execute(event));
    EXPECT_EQ(*Integer("minspace"), -42);
    for (const char* text : {"42abc", ""}) {
        event.Value = text;
        EXPECT_FALSE(Execute(event));
        EXPECT_EQ(services.Errors.back(), "Unable to convert " + std::string(text) + " to integer");
    }
    EXPECT_EQ(*Integer("minspace"), -42);
}

TEST_F(ExecuteEventsTest, MissingSourcesAreNoFault) {
    RenameFile rename;
    rename.From = "C:\\OLD.TXT";
    rename.To = "C:\\NEW.TXT";
    BackupFile backup;
    backup.Path = "C:\\APP\\SETTINGS.INI";
    ASSERT_TRUE(Execute(rename));
    ASSERT_TRUE(Execute(backup));
    EXPECT_TRUE(services.Calls.empty());

    services.Files = {"C:\\OLD.TXT", "C:\\APP\\SETTINGS.INI"};
    ASSERT_TRUE(Execute(rename));
    ASSERT_TRUE(Execute(backup));
    EXPECT_EQ(services.Calls,
              (std::vector<std::string>{"RenameFile C:\\OLD.TXT C:\\NEW.TXT",
                                        "CopyFile C:\\APP\\SETTINGS.INI C:\\APP\\SETTINGS.bak"}));
}

TEST_F(ExecuteEventsTest, OptionalVariablesMayBeEmpty) {
    FindCdRom cdrom;
    cdrom.FoundVariable.clear();
    cdrom.RootVariable.clear();
    ASSERT_TRUE(Execute(cdrom));
    EXPECT_EQ(services.Calls, std::vector<std::string>{"FirstCdRom"});

    ReadIni ini;
    ini.FoundVariable = "exitcode2";
    ini.ValueVariable.clear();
    ASSERT_TRUE(Execute(ini));
    EXPECT_EQ(*Integer("exitcode2"), 1);

    SplitPath split;
    split.Path = "C:\\APP\\BIN\\run.exe";
    split.DirectoryVariable = "w";
    split.FileVariable.clear();
    ASSERT_TRUE(Execute(split));
    EXPECT_EQ(Text("w"), "C:\\APP\\BIN");

    ReadRegistry registry;
    registry.FoundVariable = "nosuch";
    EXPECT_FALSE(Execute(registry));
    EXPECT_EQ(services.Calls.size(), 2u);
}

TEST_F(ExecuteEventsTest, PromptTextAsksForALengthOnlyWhenItsIntsSaySo) {
    PromptText event;
    event.Variable = "y";
    event.LengthExpression = "minspace + 8";
    event.Second = 1;
    services.PromptAnswer = std::string(300, 'a');
    ASSERT_TRUE(Execute(event));
    EXPECT_EQ(services.LastPrompt.MaxLength, 0);
    EXPECT_EQ(Text("y"), std::string(255, 'a'));

    event.Fourth = 1;
    ASSERT_TRUE(Execute(event));
    EXPECT_EQ(services.LastPrompt.MaxLength, 8);
}

TEST_F(ExecuteEventsTest, ValuesAndArguments) {
    CompareTexts compare;
    compare.First = "abc";
    compare.Second = "abd";
    compare.Variable = "exitcode1";
    ASSERT_TRUE(Execute(compare));
    EXPECT_LT(*Integer("exitcode1"), 0);

    GetArg argument;
    argument.Variable = "path";
    argument.Value = "2";
    services.Arguments = {"/S", "/D=C:\\APP"};
    ASSERT_TRUE(Execute(argument));
    EXPECT_EQ(Text("path"), "/D=C:\\APP");
    argument.Value = "3";
    EXPECT_FALSE(Execute(argument));
    EXPECT_EQ(services.Errors, std::vector<std::string>{"No argument at 3"});
}

TEST_F(ExecuteEventsTest, FilesOfAListAreNamedByThePattern) {
    DistributionFile readme = NamedFile("README.TXT");
    DistributionFile notes = NamedFile("NOTES.TXT");
    support.EntryMap[&readme].Name = "README.TXT";
    support.EntryMap[&notes].Name = "NOTES.TXT";
    InstallFiles event;
    event.Files.Files = {{0, &readme}, {1, &notes}};
    event.DestinationDirectory = "$i";
    event.DestinationName = "FIXED.TXT";
    event.Shared = 1;
    SetText("i", "C:\\APP");
    ASSERT_TRUE(Execute(event));
    ASSERT_EQ(services.FileRequests.size(), 2u);
    EXPECT_EQ(services.FileRequests[0].DestinationPath, "C:\\APP\\FIXED.TXT");
    EXPECT_EQ(services.FileRequests[1].Entry, &support.EntryMap[&notes]);
    EXPECT_EQ(services.FileRequests[1].Shared, 1);

    event.WildcardSpec = "+*.BAK";
    ASSERT_TRUE(Execute(event));
    EXPECT_EQ(services.FileRequests[3].DestinationPath, "C:\\APP\\NOTES.BAK");

    event.Mode = InstallFiles::SingleFile;
    event.SourceDirectory = "$s";
    event.SourceName = "SETUP.DLL";
    ASSERT_TRUE(Execute(event));
    EXPECT_EQ(services.FileRequests[4].SourcePath, "D:\\DISK1\\SETUP.DLL");
    EXPECT_EQ(services.FileRequests[4].DestinationPath, "C:\\APP\\FIXED.TXT");
    EXPECT_EQ(services.FileRequests[4].Entry, nullptr);
}

TEST_F(ExecuteEventsTest, AFileOutsideTheBuildStyleFailsTheEvent) {
    DistributionFile stray{};
    InstallFiles event;
    event.Files.Files = {{0, &stray}};
    EXPECT_FALSE(Execute(event));
    EXPECT_EQ(services.Checks, std::vector<std::string>{"EVENT"});
    EXPECT_TRUE(services.FileRequests.empty());
}

TEST_F(ExecuteEventsTest, TheUninstallerGetsItsFilesAndTexts) {
    DistributionFile windowsFile{};
    DistributionFile backFile{};
    support.EntryMap[&windowsFile].Name = "MOVEXE.EXE";
    support.EntryMap[&backFile].Name = "AWMAIN.ICO";
    InstallUninstaller event;
    event.AuxiliaryFiles.Files = {{0, &windowsFile}, {1, &backFile}};
    event.BackDirectory = "$i\\UNINST";
    event.ShortcutName = "Arkwell";
    event.AppendLog = "exitcode1 + 1";
    SetText("i", "C:\\APP");
    ASSERT_TRUE(Execute(event));
    const UninstallerRequest& request = services.Uninstallers.at(0);
    EXPECT_EQ(request.BackDirectory, "C:\\APP\\UNINST");
    EXPECT_EQ(request.ShortcutGroup, "Arkwell");
    EXPECT_EQ(request.AppendLog, 1);
    EXPECT_EQ(request.WindowsFile->Name, "MOVEXE.EXE");
    EXPECT_EQ(request.BackFile, nullptr);

    SetFixedText(event.BackDirectoryFile, "AWMAIN.ICO");
    ASSERT_TRUE(Execute(event));
    EXPECT_EQ(services.Uninstallers.at(1).BackFile->Name, "AWMAIN.ICO");
}

TEST_F(ExecuteEventsTest, WindowsOpenAndCloseInPairs) {
    for (Event* event : std::initializer_list<Event*>{new ShowBanner2, new HideBanner2,
                                                      new EndProgress, new HideMessageWindow}) {
        std::unique_ptr<Event> owned(event);
        ASSERT_TRUE(Execute(*owned));
    }
    EXPECT_EQ(services.Calls, (std::vector<std::string>{"ShowBanner 1", "HideBanner 1",
                                                        "EndProgress", "HideMessageWindow"}));
}

}  // namespace
}  // namespace aw::testing
