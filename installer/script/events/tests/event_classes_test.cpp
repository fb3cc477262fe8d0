#include "installer/script/events/event_classes.h"

#include <gtest/gtest.h>

#include "installer/script/events/event_registry.h"
#include "installer/script/model/tests/fakes/fake_report.h"

namespace aw {
namespace {

TEST(EventsClasses, EveryCodeUpTo53But13HasItsOwnClass) {
    testing::FakeReport report;
    EventRegistry registry(report);
    ASSERT_TRUE(RegisterEventClasses(registry));
    EXPECT_TRUE(report.CheckUnits.empty());
    EXPECT_EQ(registry.Count(), 53u);
    for (std::int32_t code = 0; code <= 53; ++code) {
        auto event = registry.Create(code);
        if (code == 13) {
            EXPECT_EQ(event, nullptr);
        } else {
            ASSERT_NE(event, nullptr) << code;
            EXPECT_EQ(event->TypeCode(), code);
        }
    }
    EXPECT_EQ(registry.Create(54), nullptr);
    EXPECT_STREQ(registry.NameOf(3), "InstallFiles");
}

TEST(EventsClasses, OnlyTheBuildersOwnEventsAreCustomAndOneIsNeverInterpreted) {
    testing::FakeReport report;
    EventRegistry registry(report);
    ASSERT_TRUE(RegisterEventClasses(registry));
    for (std::int32_t code = 0; code <= 53; ++code) {
        if (auto event = registry.Create(code)) {
            SCOPED_TRACE(code);
            const bool custom = code == 0 || code == 2 || code == 9 || code == 10;
            EXPECT_EQ(event->Custom(), custom);
            EXPECT_EQ(event->Interpretable(), code != 9);
            EXPECT_EQ(event->SizeKiB(report), 0u);
        }
    }
}

}  // namespace
}  // namespace aw
