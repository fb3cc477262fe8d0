// The registry operations: what each logs, in which order, with which old data, and the
// messages of their failures.
#include <gtest/gtest.h>

#include "installer/controller/installer.h"
#include "installer/controller/tests/fakes/copy_world.h"
#include "installer/oplog/record_sink.h"
#include "installer/script/model/tests/fakes/fake_report.h"

namespace aw {
namespace {

using Bytes = std::vector<std::uint8_t>;

class InstallerRegistryTest : public testing::InstallerWorldTest {
  protected:
    testing::FakeRegistry& registry = system.registry;
};

LogPayload Created(const std::string& path) {
    return logrec::KeyCreated{{kCurrentUser, path}};
}

TEST_F(InstallerRegistryTest, AValueInAMissingKeyLogsEachCreatedLevelThenTheNewValue) {
    registry.Add(kCurrentUser, "Software");
    const RegistryKey key{kCurrentUser, "Software\\Arkwell\\LineWink\\Ports"};
    ASSERT_TRUE(installer.SetTextValue(key, "Port", "COM2"));

    ASSERT_EQ(log.Records.size(), 4u);
    EXPECT_EQ(log.Records[0].Payload, Created("Software\\Arkwell"));
    EXPECT_EQ(log.Records[1].Payload, Created("Software\\Arkwell\\LineWink"));
    EXPECT_EQ(log.Records[2].Payload, Created("Software\\Arkwell\\LineWink\\Ports"));
    EXPECT_EQ(log.Records[3].Payload, LogPayload(logrec::ValueCreated{key, "Port"}));
    EXPECT_EQ(registry.ReadValue(key, "Port"), (RegistryValue{kRegText, {'C', 'O', 'M', '2', 0}}));
}

TEST_F(InstallerRegistryTest, ChangingAValueLogsItsOldTypeAndExactBytes) {
    const RegistryKey key{kLocalMachine, "Software\\Arkwell"};
    registry.Put(kLocalMachine, key.Path, "Flags", {kRegBytes, {0x00, 0xFF, 0x10}});
    ASSERT_TRUE(installer.SetValue(key, "Flags", {kRegNumber, {7, 0, 0, 0}}));
    registry.Put(kLocalMachine, key.Path, "Empty", {kRegBytes, {}});
    ASSERT_TRUE(installer.SetTextValue(key, "empty", "x"));

    ASSERT_EQ(log.Records.size(), 2u);
    EXPECT_EQ(log.Records[0].Payload,
              LogPayload(logrec::ValueChanged{key, "Flags", kRegBytes, {0x00, 0xFF, 0x10}}));
    EXPECT_EQ(log.Records[1].Payload,
              LogPayload(logrec::ValueChanged{key, "empty", kRegBytes, {}}));
}

TEST_F(InstallerRegistryTest, CreatingAnExistingKeyChangesAndLogsNothing) {
    registry.Add(kClassesRoot, ".lwk\\shell");
    EXPECT_TRUE(installer.CreateKey({kClassesRoot, ".LWK\\Shell"}));
    EXPECT_TRUE(installer.CreateKey({kClassesRoot, ""}));
    EXPECT_TRUE(log.Records.empty());
}

TEST_F(InstallerRegistryTest, DeletingAKeyLogsSubkeysValuesAndKeysBeforeTheKeyItself) {
    registry.Put(kLocalMachine, "Software\\Arkwell", "Version", {kRegText, {'3', 0}});
    registry.Put(kLocalMachine, "Software\\Arkwell\\Ports", "Default", {kRegNumber, {2, 0, 0, 0}});
    registry.Add(kLocalMachine, "Software\\Arkwell\\Ports\\COM2");
    const RegistryKey arkwell{kLocalMachine, "Software\\Arkwell"};
    const RegistryKey ports{kLocalMachine, "Software\\Arkwell\\Ports"};

    ASSERT_TRUE(installer.DeleteKey(arkwell));

    const std::vector<LogPayload> expected = {
        logrec::KeyDeleted{{kLocalMachine, "Software\\Arkwell\\Ports\\COM2"}},
        logrec::ValueDeleted{ports, "Default", kRegNumber, {2, 0, 0, 0}},
        logrec::KeyDeleted{ports},
        logrec::ValueDeleted{arkwell, "Version", kRegText, {'3', 0}},
        logrec::KeyDeleted{arkwell},
    };
    ASSERT_EQ(log.Records.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(log.Records[i].Payload, expected[i]) << "record " << i;
    }
    EXPECT_FALSE(registry.KeyExists(arkwell));
    EXPECT_TRUE(registry.KeyExists({kLocalMachine, "Software"}));
}

TEST_F(InstallerRegistryTest, AKeyThatCannotBeListedStopsTheDeletionWithItsName) {
    registry.Add(kLocalMachine, "Software\\Arkwell\\Locked");
    registry.FailList.insert("software\\arkwell\\locked");
    EXPECT_FALSE(installer.DeleteKey({kLocalMachine, "Software\\Arkwell"}));
    EXPECT_EQ(report.Errors,
              std::vector<std::string>{
                  "Unable to open registration key HKEY_LOCAL_MACHINE\\Software\\Arkwell\\Locked"});
    EXPECT_TRUE(log.Records.empty());
}

TEST_F(InstallerRegistryTest, AWholeRootIsNeverDeletedAndAMissingKeyIsAlreadyGone) {
    registry.Add(kCurrentUser, "Software");
    EXPECT_FALSE(installer.DeleteKey({kCurrentUser, ""}));
    EXPECT_TRUE(registry.KeyExists({kCurrentUser, "Software"}));
    EXPECT_EQ(report.Errors,
              std::vector<std::string>{"Unable to delete registration key HKEY_CURRENT_USER\\"});
    EXPECT_TRUE(installer.DeleteKey({kCurrentUser, "Software\\Nobody"}));
    EXPECT_TRUE(log.Records.empty());
}

TEST_F(InstallerRegistryTest, FailuresLeaveNoRecordAndNameTheKey) {
    registry.Add(kLocalMachine, "Software");
    registry.FailCreate.insert("Software\\A\\B");
    EXPECT_FALSE(installer.CreateKey({kLocalMachine, "Software\\A\\B"}));
    // The level that was created stays and is logged: it is a change that happened.
    ASSERT_EQ(log.Records.size(), 1u);
    EXPECT_EQ(log.Records[0].Payload,
              LogPayload(logrec::KeyCreated{{kLocalMachine, "Software\\A"}}));

    registry.FailWrite = true;
    EXPECT_FALSE(installer.SetTextValue({kLocalMachine, "Software"}, "x", "y"));
    registry.FailWrite = false;
    EXPECT_FALSE(installer.SetTextValue({kLocalMachine, std::string(260, 'k')}, "x", "y"));
    EXPECT_EQ(log.Records.size(), 1u);
    ASSERT_EQ(report.Errors.size(), 3u);
    EXPECT_EQ(report.Errors[0],
              "Unable to create registration key HKEY_LOCAL_MACHINE\\Software\\A\\B");
    EXPECT_EQ(report.Errors[1],
              "Unable to set or create registration key HKEY_LOCAL_MACHINE\\Software");
    EXPECT_EQ(installer.LastError(), report.Errors[2]);
}

TEST_F(InstallerRegistryTest, DeletingAValueLogsItsOldDataAndAMissingOneIsNoChange) {
    const RegistryKey key{kCurrentUser, "Software\\Arkwell"};
    registry.Put(kCurrentUser, key.Path, "List", {kRegTextList, {'a', 0, 'b', 0, 0}});
    ASSERT_TRUE(installer.DeleteValue(key, "List"));
    ASSERT_TRUE(installer.DeleteValue(key, "List"));
    ASSERT_TRUE(installer.DeleteValue({kCurrentUser, "Software\\Nobody"}, "List"));
    ASSERT_EQ(log.Records.size(), 1u);
    EXPECT_EQ(log.Records[0].Payload,
              LogPayload(logrec::ValueDeleted{key, "List", kRegTextList, {'a', 0, 'b', 0, 0}}));
}

TEST_F(InstallerRegistryTest, TheRegistryEventWritesEachTypeAsItsBytes) {
    const RegistryKey key{kClassesRoot, "Arkwell\\shell\\open\\command"};
    RegistryValueRequest request;
    request.Key = key;
    request.Name = "field";
    ASSERT_TRUE(installer.WriteRegistryValue(request));
    EXPECT_TRUE(registry.KeyExists(key));
    EXPECT_EQ(registry.Values(key)->size(), 0u);

    request.Type = kRegExpandableText;
    request.Text = "%windir%";
    ASSERT_TRUE(installer.WriteRegistryValue(request));
    EXPECT_EQ(
        registry.ReadValue(key, "field"),
        (RegistryValue{kRegExpandableText, Bytes{'%', 'w', 'i', 'n', 'd', 'i', 'r', '%', 0}}));

    request.Type = kRegNumber;
    request.Number = 0x01020304;
    ASSERT_TRUE(installer.WriteRegistryValue(request));
    EXPECT_EQ(registry.ReadValue(key, "field"), (RegistryValue{kRegNumber, Bytes{4, 3, 2, 1}}));

    request.Type = kRegTextList;
    request.Texts = {"ab", "", "c"};
    ASSERT_TRUE(installer.WriteRegistryValue(request));
    EXPECT_EQ(registry.ReadValue(key, "field"),
              (RegistryValue{kRegTextList, Bytes{'a', 'b', 0, 0, 'c', 0, 0}}));

    request.Type = 5;
    ASSERT_TRUE(installer.WriteRegistryValue(request));
    EXPECT_EQ(registry.ReadValue(key, "field")->Type, kRegTextList);
}

TEST(RegistryRootsTest, TheEventAndTheLogNumberTheRootsDifferently) {
    EXPECT_EQ(RootOfEventIndex(0), kClassesRoot);
    EXPECT_EQ(RootOfEventIndex(1), kCurrentUser);
    EXPECT_EQ(RootOfEventIndex(2), kLocalMachine);
    EXPECT_EQ(RootOfEventIndex(3), kUsers);
    EXPECT_EQ(RootOfEventIndex(4), kCurrentConfig);
    EXPECT_EQ(RootOfEventIndex(5), std::nullopt);
    EXPECT_EQ(RootOfEventIndex(-1), std::nullopt);
    // The log's own codes, as messages and lists show them.
    EXPECT_EQ(KeyLongName({0, "A"}), "HKEY_LOCAL_MACHINE\\A");
    EXPECT_EQ(KeyLongName({1, "A"}), "HKEY_CLASSES_ROOT\\A");
    EXPECT_EQ(KeyShortName({3, "A"}), "HKUS\\A");
    EXPECT_EQ(KeyShortName({4, "A"}), "HKCF\\A");
    EXPECT_EQ(KeyShortName({9, "A"}), "Unknown\\A");
}

}  // namespace
}  // namespace aw
