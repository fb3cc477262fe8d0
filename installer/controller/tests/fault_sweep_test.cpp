// Every operation of the Installer, run once for every call it makes to the system with that call
// failing: whatever the outcome, the machine is as it was but for what the log's records say, and
// the log reads back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <map>

#include "installer/controller/copy/replacement_criteria.h"
#include "installer/controller/shared_counts.h"
#include "installer/controller/tests/fakes/faulty_world.h"
#include "installer/lzpunz2/compressor.h"
#include "installer/oplog/log_encoding.h"
#include "installer/oplog/operation_log.h"
#include "installer/oplog/tests/fakes/memory_files.h"

namespace aw {
namespace {

using testing::FaultyWorld;

// A faulty world whose log is a real one, written as bytes.
struct SweepWorld : FaultyWorld {
    SweepWorld() {
        installer.DetachLog();
        log.Open("awlog3.nnn", LogHeader{});
    }
    ParsedLog ReadLog() {
        log.Close();
        return ParseLog(logFiles.Files["awlog3.nnn"]);
    }
    testing::MemoryFiles logFiles;
    OperationLog log{logFiles, installer};
};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string FileId(const std::string& path) {
    return "F " + testing::MemoryFileSystem::Key(path);
}
std::string KeyId(const RegistryKey& key) {
    return "K " + std::to_string(key.Root) + " " + Lower(key.Path);
}
std::string ValueId(const RegistryKey& key, const std::string& name) {
    return "V " + std::to_string(key.Root) + " " + Lower(key.Path) + "|" + Lower(name);
}
std::string ItemId(const std::string& group, const std::string& name) {
    return "T " + group + "|" + name;
}

// Everything the Installer can change, each thing under an identity that records can name.
using Machine = std::map<std::string, std::string>;

Machine Snapshot(SweepWorld& w) {
    Machine machine;
    for (const auto& [key, node] : w.files.Nodes()) {
        machine[FileId(node.Path)] = std::to_string(node.Attributes) + " " +
                                     std::to_string(node.Time.wMinute) + " " +
                                     std::string(node.Bytes.begin(), node.Bytes.end());
    }
    for (const auto& [id, key] : w.registry.Keys()) {
        machine[KeyId({id.first, key.Path})];
        for (const NamedValue& value : key.Values) {
            machine[ValueId({id.first, key.Path}, value.Name)] =
                std::to_string(value.Value.Type) + " " +
                std::string(value.Value.Data.begin(), value.Value.Data.end());
        }
    }
    for (const auto& [path, text] : w.iniFiles.Files) {
        machine["I " + Lower(path)] = text;
    }
    for (const auto& [group, items] : w.shellState.Groups) {
        machine["G " + group];
        for (const ProgramItem& item : items) {
            const ProgramItemBytes bytes = PackProgramItem(item);
            machine[ItemId(group, item.Name)] = std::string(bytes.begin(), bytes.end());
        }
    }
    for (const auto& [key, value] : w.files.Profile) {
        machine["P " + key] = value;
    }
    for (const auto& [from, to] : w.files.RestartMoves) {
        machine["R " + from] = to;
    }
    for (const std::string& font : w.fonts.Fonts) {
        machine["N " + font];
    }
    return machine;
}

// The identities a record speaks for.
std::vector<std::string> Named(const LogRecord& record) {
    return std::visit(
        [](const auto& r) -> std::vector<std::string> {
            using R = std::decay_t<decltype(r)>;
            if constexpr (requires { r.Directory; }) {
                return {FileId(r.Directory)};
            } else if constexpr (std::is_same_v<R, logrec::FileMoved>) {
                return {FileId(r.From), FileId(r.To)};
            } else if constexpr (requires { r.File; }) {
                return {FileId(r.File)};
            } else if constexpr (requires { r.IniFile; }) {
                return {"I " + Lower(r.IniFile)};
            } else if constexpr (std::is_same_v<R, logrec::ItemCreated>) {
                return {ItemId(r.Group, r.Item)};
            } else if constexpr (std::is_same_v<R, logrec::ItemDeleted>) {
                return {ItemId(r.Group, UnpackProgramItem(r.Item).Name)};
            } else if constexpr (requires { r.Group; }) {
                return {"G " + r.Group};
            } else if constexpr (requires { r.Name; }) {
                return {ValueId(r.Key, r.Name)};
            } else if constexpr (requires { r.Key; }) {
                return {KeyId(r.Key)};
            } else if constexpr (requires { r.FontFile; }) {
                return {"N " + r.FontFile};
            } else {
                return {};
            }
        },
        record.Payload);
}

// Changes that are not logged by design: the scenario names them by the start of their identity.
bool Unlogged(const std::string& id, const std::vector<std::string>& allowed) {
    return std::any_of(allowed.begin(), allowed.end(),
                       [&](const std::string& start) { return id.starts_with(start); });
}

void ExpectOnlyRecordedChanges(const Machine& before, const Machine& after,
                               const std::vector<LogRecord>& records,
                               const std::vector<std::string>& allowed) {
    std::set<std::string> named;
    for (const LogRecord& record : records) {
        for (const std::string& id : Named(record)) {
            named.insert(id);
        }
        if (const auto* extended = std::get_if<logrec::FileExtended>(&record.Payload)) {
            // The bytes before the append are the old file's.
            const std::string& old = before.at(FileId(extended->File));
            const std::string& now = after.at(FileId(extended->File));
            EXPECT_EQ(now.substr(0, old.size()).substr(old.find(' ', old.find(' ') + 1)),
                      old.substr(old.find(' ', old.find(' ') + 1)));
        }
    }
    // A restart move of a file that was logged, or a deletion at the restart, speaks for the
    // temporary file it will move or delete; so does its line in wininit.ini.
    const std::string wininit = "P " + FileId("C:\\WINDOWS\\wininit.ini").substr(2) + "|rename|";
    for (const auto& [id, value] : after) {
        if (id.starts_with("R ") && (value.empty() || named.count(FileId(value)) != 0)) {
            named.insert(id);
            named.insert(FileId(id.substr(2)));
        }
        if (id.starts_with(wininit)) {
            const std::string destination = id.substr(wininit.size());
            if (destination == "NUL" || named.count(FileId(destination)) != 0) {
                named.insert(id);
                named.insert(FileId(value));
            }
        }
    }
    std::set<std::string> ids;
    for (const Machine* machine : {&before, &after}) {
        for (const auto& [id, value] : *machine) {
            ids.insert(id);
        }
    }
    for (const std::string& id : ids) {
        if (named.count(id) != 0 || Unlogged(id, allowed)) {
            continue;
        }
        const auto was = before.find(id);
        const auto is = after.find(id);
        EXPECT_TRUE(was != before.end() && is != after.end() && was->second == is->second)
            << id << " changed without a record";
    }
}

struct Operation {
    const char* Name;
    std::function<void(SweepWorld&)> Arrange;
    std::function<bool(SweepWorld&)> Run;
    // Identities (by their start) that the operation changes without a record, by design.
    std::vector<std::string> Unlogged;
};

// Runs the operation with its first, second, ... call failing until a run makes fewer calls;
// that last run fails nothing and must succeed. Returns the number of failing calls tried.
int Sweep(const Operation& operation) {
    for (int failing = 1;; ++failing) {
        SweepWorld world;
        operation.Arrange(world);
        const Machine before = Snapshot(world);
        world.plan.Calls = 0;
        world.plan.FailAt = failing;
        const bool succeeded = operation.Run(world);
        const ParsedLog log = world.ReadLog();
        EXPECT_FALSE(log.Fault.has_value()) << "failing call " << failing;
        SCOPED_TRACE(std::string(operation.Name) + ", failing call " + std::to_string(failing));
        ExpectOnlyRecordedChanges(before, Snapshot(world), log.Records, operation.Unlogged);
        if (!world.plan.Reached()) {
            EXPECT_TRUE(succeeded);
            return failing - 1;
        }
        if (failing > 10000 || ::testing::Test::HasFailure()) {
            ADD_FAILURE() << "gave up at failing call " << failing;
            return failing;
        }
    }
}

std::vector<std::uint8_t> Bytes(std::size_t size, std::uint8_t seed) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 13 + seed);
    }
    return bytes;
}

void Media(SweepWorld& w) {
    w.files.AddDirectory("D:");
    w.files.AddFile("D:\\F.DLL", Bytes(5000, 1));
    w.files.AddFile("D:\\F.DL_", lzpunz::Compress(Bytes(5000, 1)));
}

void OldFile(SweepWorld& w) {
    w.files.AddDirectory("C:\\APP");
    w.files.AddFile("C:\\APP\\F.DLL", Bytes(300, 7));
}

bool Install(SweepWorld& w, std::int32_t sourceKind, std::int32_t destinationKind,
             std::int32_t criterion = 0, std::int32_t inUse = 0, std::int32_t shared = 0) {
    FileRequest request;
    request.SourceKind = sourceKind;
    request.SourcePath = "D:\\F.DLL";
    request.DestinationPath = "C:\\APP\\F.DLL";
    request.DestinationKind = destinationKind;
    request.Criterion = criterion;
    request.InUsePolicy = inUse;
    request.Shared = shared;
    w.installer.InstallFile(request);
    return request.State == FileState::Installed;
}

const std::string kSharedDlls = "V 0 " + Lower(kSharedDllsKey);

void Versions(SweepWorld& w) {
    w.versions.Versions["c:\\app\\f.dll"] = {0x409, 1252, 2, 0, 1, 0};
    w.versions.Versions["c:\\app\\tmp000.000"] = {0x409, 1252, 2, 0, 2, 0};
}

void Tree(SweepWorld& w) {
    w.files.AddDirectory("C:\\APP");
    w.files.AddDirectory("C:\\APP\\SUB");
    w.files.AddFile("C:\\APP\\A.TXT", "a");
    w.files.AddFile("C:\\APP\\SUB\\B.TXT", "b");
    w.files.At("C:\\APP\\SUB\\B.TXT").Attributes = kReadOnly;
}

void Keys(SweepWorld& w) {
    w.registry.Put(kLocalMachine, "SOFTWARE\\Vendor\\App", "Path", {kRegText, {'C', 0}});
    w.registry.Put(kLocalMachine, "SOFTWARE\\Vendor\\App\\Sub", "N", {kRegNumber, {1, 0, 0, 0}});
}

const RegistryKey kApp{kLocalMachine, "SOFTWARE\\Vendor\\App"};
const std::string kIni = "C:\\WINDOWS\\APP.INI";

void Ini(SweepWorld& w) {
    w.iniFiles.Files[kIni] = "[Main]\r\nA=1\r\nB=2\r\n[Other]\r\nC=3\r\n";
}

void Group(SweepWorld& w) {
    ProgramItem one;
    one.Name = "One";
    one.CommandLine = "C:\\APP\\ONE.EXE";
    ProgramItem two = one;
    two.Name = "Two";
    w.shellState.Groups["Tools"] = {one, two};
}

ItemRequest Item(const std::string& name) {
    ItemRequest request;
    request.Group = "Tools";
    request.Item.Name = name;
    request.Item.CommandLine = "C:\\APP\\NEW.EXE";
    return request;
}

const Operation kOperations[] = {
    {"InstallNewFile", Media, [](SweepWorld& w) { return Install(w, 1, 0); }, {}},
    {"ReplaceReadOnlyFileFromCompressed",
     [](SweepWorld& w) {
         Media(w);
         OldFile(w);
         w.files.At("C:\\APP\\F.DLL").Attributes = kReadOnly;
     },
     [](SweepWorld& w) { return Install(w, 0, 0); },
     {}},
    {"AppendToFile",
     [](SweepWorld& w) {
         Media(w);
         OldFile(w);
     },
     [](SweepWorld& w) { return Install(w, 1, 1); },
     {}},
    {"AppendByVersionFromCompressed",
     [](SweepWorld& w) {
         Media(w);
         OldFile(w);
         Versions(w);
     },
     [](SweepWorld& w) { return Install(w, 0, 1, 3); },
     {}},
    {"ReplaceByVersionFromCompressed",
     [](SweepWorld& w) {
         Media(w);
         OldFile(w);
         Versions(w);
     },
     [](SweepWorld& w) { return Install(w, 0, 0, 3); },
     {}},
    {"QueueFileInUseForRestart",
     [](SweepWorld& w) {
         Media(w);
         OldFile(w);
         w.files.Lock("C:\\APP\\F.DLL");
     },
     [](SweepWorld& w) { return Install(w, 1, 0, 0, 1); },
     {}},
    {"InstallSharedFileWithVersionRecord",
     [](SweepWorld& w) {
         Media(w);
         w.installer.SetProductVersion({1, 2});
     },
     [](SweepWorld& w) {
         FileRequest request;
         request.SourceKind = 1;
         request.SourcePath = "D:\\F.DLL";
         request.DestinationPath = "C:\\WINDOWS\\SYSTEM\\F.DLL";
         request.Criterion = kAwverCriterion;
         w.installer.InstallFile(request);
         return request.State == FileState::Installed &&
                w.installer.IncrementSharedCount(request.DestinationPath) == 1;
     },
     {kSharedDlls, "P c:\\windows\\system\\awver.ini"}},
    {"CopyPlainFile",
     Media,
     [](SweepWorld& w) { return w.installer.CopyPlainFile("D:\\F.DLL", "C:\\APP\\F.DLL"); },
     {}},
    {"MakeDirectory",
     [](SweepWorld&) {},
     [](SweepWorld& w) { return w.installer.MakeDirectory("C:\\A\\B\\C") == kDirectoryReady; },
     {}},
    {"RemoveReadOnlyFile",
     Tree,
     [](SweepWorld& w) { return w.installer.RemoveFile("C:\\APP\\SUB\\B.TXT"); },
     {}},
    {"RemoveTree", Tree, [](SweepWorld& w) { return w.installer.RemoveTree("C:\\APP"); }, {}},
    {"RenameOverAnotherFile",
     Tree,
     [](SweepWorld& w) { return w.installer.RenameFile("C:\\APP\\A.TXT", "C:\\APP\\SUB\\B.TXT"); },
     {}},
    {"SetAttributes",
     Tree,
     [](SweepWorld& w) { return w.installer.SetAttributes("C:\\APP\\A.TXT", kHidden); },
     {}},
    {"IncrementSharedCount",
     [](SweepWorld&) {},
     [](SweepWorld& w) {
         return w.installer.IncrementSharedCount("C:\\WINDOWS\\SYSTEM\\S.DLL") == 1;
     },
     {kSharedDlls}},
    {"DecrementSharedCount",
     [](SweepWorld& w) {
         w.registry.Put(kLocalMachine, kSharedDllsKey, "C:\\WINDOWS\\SYSTEM\\S.DLL",
                        {kRegBytes, {2, 0, 0, 0}});
     },
     [](SweepWorld& w) {
         return w.installer.DecrementSharedCount("C:\\WINDOWS\\SYSTEM\\S.DLL") == 1;
     },
     {kSharedDlls}},
    {"CreateKey",
     [](SweepWorld&) {},
     [](SweepWorld& w) {
         return w.installer.CreateKey({kLocalMachine, "SOFTWARE\\A\\B\\C"});
     },
     {}},
    {"DeleteKeyTree", Keys, [](SweepWorld& w) { return w.installer.DeleteKey(kApp); }, {}},
    {"SetValueUnderNewKey",
     [](SweepWorld&) {},
     [](SweepWorld& w) {
         return w.installer.SetTextValue({kLocalMachine, "SOFTWARE\\New\\Key"}, "V", "text");
     },
     {}},
    {"ChangeValue",
     Keys,
     [](SweepWorld& w) {
         return w.installer.SetValue(kApp, "Path", {kRegText, {'D', 0}});
     },
     {}},
    {"DeleteValue", Keys, [](SweepWorld& w) { return w.installer.DeleteValue(kApp, "Path"); }, {}},
    {"AddIniSection",
     [](SweepWorld&) {},
     [](SweepWorld& w) { return w.installer.AddIniSection(kIni, "New"); },
     {}},
    {"DeleteIniSection",
     Ini,
     [](SweepWorld& w) { return w.installer.DeleteIniSection(kIni, "Main"); },
     {}},
    {"InsertIniEntry",
     Ini,
     [](SweepWorld& w) { return w.installer.InsertIniEntry(kIni, "Main", "Z", "9", 1); },
     {}},
    {"SetIniEntry",
     Ini,
     [](SweepWorld& w) { return w.installer.SetIniEntry(kIni, "Main", "B", "5", 1); },
     {}},
    {"DeleteIniEntry",
     Ini,
     [](SweepWorld& w) { return w.installer.DeleteIniEntry(kIni, "Other", "C", 1); },
     {}},
    {"CreateGroup",
     [](SweepWorld&) {},
     [](SweepWorld& w) { return w.installer.CreateGroup("New Group"); },
     {}},
    {"DeleteGroup", Group, [](SweepWorld& w) { return w.installer.DeleteGroup("Tools"); }, {}},
    {"CreateItemReplacingOne",
     Group,
     [](SweepWorld& w) { return w.installer.CreateItem(Item("One")); },
     {}},
    {"CreateItemInNewGroup",
     [](SweepWorld&) {},
     [](SweepWorld& w) { return w.installer.CreateItemFromEvent(Item("New")); },
     {}},
    {"DeleteItem", Group, [](SweepWorld& w) { return w.installer.DeleteItem("Tools", "Two"); }, {}},
    {"InstallFont",
     [](SweepWorld&) {},
     [](SweepWorld& w) { return w.installer.InstallFont("C:\\WINDOWS\\FONTS\\A.TTF"); },
     {}},
    {"RemoveFont",
     [](SweepWorld& w) { w.fonts.Fonts.insert("C:\\WINDOWS\\FONTS\\A.TTF"); },
     [](SweepWorld& w) { return w.installer.RemoveFont("C:\\WINDOWS\\FONTS\\A.TTF"); },
     {"N "}},
};

void PrintTo(const Operation& operation, std::ostream* out) {
    *out << operation.Name;
}

class FaultSweepTest : public ::testing::TestWithParam<Operation> {};

TEST_P(FaultSweepTest, EachFailingCallLeavesOnlyWhatTheLogRecords) {
    const int points = Sweep(GetParam());
    RecordProperty("failing_calls", points);
    std::printf("%s: %d failing calls\n", GetParam().Name, points);
}

INSTANTIATE_TEST_SUITE_P(Installer, FaultSweepTest, ::testing::ValuesIn(kOperations),
                         [](const ::testing::TestParamInfo<Operation>& info) {
                             return std::string(info.param.Name);
                         });

}  // namespace
}  // namespace aw
