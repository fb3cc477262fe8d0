// The operating-system record as Wine, reporting Windows 98, fills it.
#include <gtest/gtest.h>

#include "installer/controller/win32/win32_system_changes.h"

namespace aw {
namespace {

TEST(OsRecordTest, TheWindows98FamilyHasTheNewShellAndItIsNotProgramManager) {
    EXPECT_EQ(ReadOsRecord(), (OsRecord{kWindows95Family, true, true}));
}

}  // namespace
}  // namespace aw
