#include "installer/oplog/registry_key.h"

#include <gtest/gtest.h>

namespace aw {
namespace {

TEST(RegistryKey, NamesEveryRootLongAndShortAndAnyOtherAsUnknown) {
    const char* const longNames[] = {"HKEY_LOCAL_MACHINE", "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",
                                     "HKEY_USERS", "HKEY_CURRENT_CONFIG"};
    const char* const shortNames[] = {"HKLM", "HKCR", "HKCU", "HKUS", "HKCF"};
    for (std::int32_t root = 0; root < 5; ++root) {
        EXPECT_STREQ(RootLongName(root), longNames[root]);
        EXPECT_STREQ(RootShortName(root), shortNames[root]);
    }
    for (const std::int32_t other : {-1, 5, 0x7FFFFFFF}) {
        EXPECT_STREQ(RootLongName(other), "Unknown");
        EXPECT_STREQ(RootShortName(other), "Unknown");
    }
}

TEST(RegistryKey, ShownAsRootBackslashPath) {
    const RegistryKey key{kCurrentUser, "Software\\LineWink"};
    EXPECT_EQ(KeyLongName(key), "HKEY_CURRENT_USER\\Software\\LineWink");
    EXPECT_EQ(KeyShortName(key), "HKCU\\Software\\LineWink");
    EXPECT_EQ(KeyShortName({9, "X"}), "Unknown\\X");
}

}  // namespace
}  // namespace aw
