#include "installer/script/events/event_classes.h"

#include <gtest/gtest.h>

#include "installer/script/events/event_registry.h"
#include "installer/script/model/tests/fakes/fake_report.h"

namespace aw {
namespace {

TEST(EventsClasses, EachClassIsEnteredOnceUnderItsOwnCode) {
    testing::FakeReport report;
    EventRegistry registry(report);
    ASSERT_TRUE(RegisterEventClasses(registry));
    EXPECT_TRUE(report.CheckUnits.empty());
    for (std::int32_t code = 0; code < 60; ++code) {
        auto event = registry.Create(code);
        if (event != nullptr) {
            EXPECT_EQ(event->TypeCode(), code);
        }
    }
    EXPECT_EQ(registry.Create(13), nullptr);
}

}  // namespace
}  // namespace aw
