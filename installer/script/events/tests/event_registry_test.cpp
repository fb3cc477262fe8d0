#include "installer/script/events/event_registry.h"

#include <gtest/gtest.h>

#include <string>

#include "installer/script/model/tests/fakes/fake_report.h"

namespace aw {
namespace {

class CodedEvent : public Event {
  public:
    explicit CodedEvent(std::int32_t code) : code_(code) {}
    std::int32_t TypeCode() const override { return code_; }
    void ClassFields(FieldVisitor& v) override { (void)v; }

  private:
    std::int32_t code_;
};

EventRegistry::Maker MakerFor(std::int32_t code) {
    return [code] { return std::make_unique<CodedEvent>(code); };
}

TEST(EventsRegistry, CreatesTheClassEnteredForACodeAndNothingForOthers) {
    testing::FakeReport report;
    EventRegistry registry(report);
    ASSERT_TRUE(registry.Register(4, "C" + std::to_string(4), MakerFor(4)));
    ASSERT_TRUE(registry.Register(53, "C" + std::to_string(53), MakerFor(53)));

    auto event = registry.Create(53);
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(event->TypeCode(), 53);
    EXPECT_EQ(registry.Create(13), nullptr);
    EXPECT_TRUE(report.CheckUnits.empty());
}

TEST(EventsRegistry, SecondClassForACodeIsACheckFailureAndTheFirstStays) {
    testing::FakeReport report;
    EventRegistry registry(report);
    ASSERT_TRUE(registry.Register(7, "C" + std::to_string(7), MakerFor(7)));
    EXPECT_FALSE(registry.Register(7, "Other", MakerFor(8)));

    ASSERT_EQ(report.CheckUnits.size(), 1u);
    EXPECT_EQ(report.CheckUnits[0], "EVENT");
    EXPECT_EQ(registry.Count(), 1u);
    EXPECT_EQ(registry.Create(7)->TypeCode(), 7);
}

TEST(EventsRegistry, NamesAreUniqueAndLeadBackToTheirCodes) {
    testing::FakeReport report;
    EventRegistry registry(report);
    ASSERT_TRUE(registry.Register(5, "WriteIni", MakerFor(5)));
    EXPECT_FALSE(registry.Register(6, "WriteIni", MakerFor(6)));
    EXPECT_STREQ(registry.NameOf(5), "WriteIni");
    EXPECT_EQ(registry.NameOf(6), nullptr);
    EXPECT_EQ(registry.CodeOf("WriteIni"), 5);
    EXPECT_EQ(registry.CodeOf("writeini"), -1);
}

TEST(EventsRegistry, HoldsAtMostAHundredClasses) {
    testing::FakeReport report;
    EventRegistry registry(report);
    for (std::int32_t code = 0; code < 100; ++code) {
        ASSERT_TRUE(registry.Register(code, "C" + std::to_string(code), MakerFor(code)));
    }
    EXPECT_FALSE(registry.Register(100, "C" + std::to_string(100), MakerFor(100)));
    EXPECT_EQ(registry.Count(), 100u);
    EXPECT_EQ(registry.Create(100), nullptr);
    EXPECT_EQ(report.CheckUnits.size(), 1u);
}

}  // namespace
}  // namespace aw
