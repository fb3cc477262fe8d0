// The registry operations against Wine's registry, checked with the registry calls themselves.
#include <windows.h>

#include <gtest/gtest.h>

#include "installer/controller/win32/tests/installer_rig.h"

namespace aw {
namespace {

using Bytes = std::vector<std::uint8_t>;

const char kBase[] = "Software\\AwSystemChangesTest";

// Removes a key and everything below it, whatever the Installer does.
void RemoveTree(HKEY root, const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return;
    }
    char name[MAX_PATH];
    while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS) {
        RemoveTree(root, path + "\\" + name);
    }
    RegCloseKey(key);
    RegDeleteKeyA(root, path.c_str());
}

// The value as the registry holds it, read without the adapter.
std::optional<RegistryValue> Stored(const std::string& path, const char* name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0;
    BYTE data[256];
    DWORD length = sizeof data;
    const LONG result = RegQueryValueExA(key, name, nullptr, &type, data, &length);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return RegistryValue{static_cast<std::int32_t>(type), Bytes(data, data + length)};
}

class RegistryTest : public ::testing::Test, protected testing::Win32InstallerRig {
  protected:
    void SetUp() override { RemoveTree(HKEY_CURRENT_USER, kBase); }
    void TearDown() override { RemoveTree(HKEY_CURRENT_USER, kBase); }

    RegistryKey Key(const std::string& below) const {
        return {kCurrentUser, below.empty() ? kBase : std::string(kBase) + "\\" + below};
    }
};

TEST_F(RegistryTest, AValueInAMissingKeyLogsEachCreatedLevelThenTheValue) {
    ASSERT_TRUE(installer.SetTextValue(Key("LineWink\\Ports"), "Port", "COM2"));
    ASSERT_EQ(log.Records.size(), 4u);
    EXPECT_EQ(log.Records[0].Payload, LogPayload(logrec::KeyCreated{Key("")}));
    EXPECT_EQ(log.Records[1].Payload, LogPayload(logrec::KeyCreated{Key("LineWink")}));
    EXPECT_EQ(log.Records[2].Payload, LogPayload(logrec::KeyCreated{Key("LineWink\\Ports")}));
    EXPECT_EQ(log.Records[3].Payload,
              LogPayload(logrec::ValueCreated{Key("LineWink\\Ports"), "Port"}));
    EXPECT_EQ(Stored(Key("LineWink\\Ports").Path, "Port"),
              (RegistryValue{REG_SZ, Bytes{'C', 'O', 'M', '2', 0}}));
}

TEST_F(RegistryTest, EachTypeIsWrittenAsItsBytesAndAChangeKeepsTheOldBytes) {
    struct Case {
        std::int32_t Type;
        Bytes Data;
    };
    const Case cases[] = {
        {REG_SZ, {'a', 'b', 0}},
        {REG_EXPAND_SZ, {'%', 'x', '%', 0}},
        {REG_BINARY, {0x0A, 0xFF, 0x00}},
        {REG_DWORD, {0x04, 0x03, 0x02, 0x01}},
        {REG_MULTI_SZ, {'a', 0, 'b', 'c', 0, 0}},
        {REG_NONE, {0x01, 0x02}},
        {REG_BINARY, {}},
    };
    const RegistryKey key = Key("Values");
    std::optional<Case> previous;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Type);
        log.Records.clear();
        ASSERT_TRUE(installer.SetValue(key, "v", {c.Type, c.Data}));
        EXPECT_EQ(Stored(key.Path, "v"), (RegistryValue{c.Type, c.Data}));
        EXPECT_EQ(installer.ReadValue(key, "v"), (RegistryValue{c.Type, c.Data}));
        ASSERT_FALSE(log.Records.empty());
        if (previous) {
            EXPECT_EQ(log.Records.back().Payload,
                      LogPayload(logrec::ValueChanged{key, "v", previous->Type, previous->Data}));
        }
        previous = c;
    }
}

TEST_F(RegistryTest, TheRegistryEventsRequestsBecomeTheirValues) {
    RegistryValueRequest request;
    request.Key = Key("Event");
    request.Name = "field";
    ASSERT_TRUE(installer.WriteRegistryValue(request));
    EXPECT_EQ(Stored(request.Key.Path, "field"), std::nullopt);
    request.Type = kRegTextList;
    request.Texts = {"one", "two"};
    ASSERT_TRUE(installer.WriteRegistryValue(request));
    EXPECT_EQ(Stored(request.Key.Path, "field"),
              (RegistryValue{REG_MULTI_SZ, Bytes{'o', 'n', 'e', 0, 't', 'w', 'o', 0, 0}}));
    request.Type = kRegNumber;
    request.Number = 0xDEADBEEF;
    ASSERT_TRUE(installer.WriteRegistryValue(request));
    EXPECT_EQ(Stored(request.Key.Path, "field"),
              (RegistryValue{REG_DWORD, Bytes{0xEF, 0xBE, 0xAD, 0xDE}}));
}

TEST_F(RegistryTest, DeletingAKeyLogsItsSubkeysValuesAndKeysFirstAndRemovesItAll) {
    ASSERT_TRUE(installer.SetTextValue(Key("A"), "top", "1"));
    ASSERT_TRUE(installer.SetValue(Key("A\\B"), "mid", {REG_DWORD, {1, 0, 0, 0}}));
    ASSERT_TRUE(installer.CreateKey(Key("A\\B\\C")));
    log.Records.clear();

    ASSERT_TRUE(installer.DeleteKey(Key("A")));
    const std::vector<LogPayload> expected = {
        logrec::KeyDeleted{Key("A\\B\\C")},
        logrec::ValueDeleted{Key("A\\B"), "mid", REG_DWORD, {1, 0, 0, 0}},
        logrec::KeyDeleted{Key("A\\B")},
        logrec::ValueDeleted{Key("A"), "top", REG_SZ, {'1', 0}},
        logrec::KeyDeleted{Key("A")},
    };
    ASSERT_EQ(log.Records.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(log.Records[i].Payload, expected[i]) << "record " << i;
    }
    HKEY gone;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, Key("A").Path.c_str(), 0, KEY_READ, &gone),
              ERROR_SUCCESS);
    EXPECT_TRUE(installer.DeleteKey(Key("A")));
    EXPECT_EQ(log.Records.size(), expected.size());
}

TEST_F(RegistryTest, ARootTheInstallerDoesNotKnowFailsWithItsName) {
    EXPECT_FALSE(installer.CreateKey({7, "Software"}));
    EXPECT_EQ(report.Errors,
              (std::vector<std::string>{"Unable to create registration key Unknown\\Software"}));
    EXPECT_TRUE(log.Records.empty());
}

}  // namespace
}  // namespace aw
