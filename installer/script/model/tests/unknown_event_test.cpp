// A type code that no real event class has, met in the middle of a script's event list.
#include <gtest/gtest.h>

#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/model/script_loader.h"
#include "installer/script/model/tests/fakes/fake_files.h"
#include "installer/script/model/tests/fakes/fake_report.h"
#include "installer/script/model/tests/sample_script.h"
#include "tools/scriptbuild/script_writer.h"

namespace aw {
namespace {

constexpr std::int32_t kNoClass = 77;

struct Unregistered : Event {
    std::int32_t TypeCode() const override { return kNoClass; }
    void ClassFields(FieldVisitor&) override {}
};

// Keeps both kinds of report in the order they came.
class OrderedReport : public testing::FakeReport {
  public:
    void ReportError(const std::string& message) override {
        Order.push_back(message);
        FakeReport::ReportError(message);
    }
    void CheckFailed(const char* unit, int line) override {
        Order.push_back(std::string("check failed in ") + unit);
        FakeReport::CheckFailed(unit, line);
    }
    std::vector<std::string> Order;
};

class UnknownEventLoad : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override { ASSERT_TRUE(RegisterEventClasses(registry)); }

    // Every real class, with the unknown one among them when asked for.
    void WriteInstallInf(bool withUnknown) {
        InstallScript script = testing::SampleScript();
        script.Events.Clear();
        for (std::int32_t code = 0; code <= 60; ++code) {
            if (withUnknown && code == 30) {
                script.Events.Add(std::make_unique<Unregistered>());
            }
            if (auto event = registry.Create(code)) {
                script.Events.Add(std::move(event));
            }
        }
        files.Files["C:\\SETUP\\install.inf"] = WriteScript(script, GetParam(), 302).value();
    }

    bool Load() { return LoadScript(files, registry, report, script); }

    OrderedReport report;
    EventRegistry registry{report};
    testing::FakeFiles files;
    InstallScript script;
};

TEST_P(UnknownEventLoad, StopsWithACheckFailureInEventThenTheFileMessage) {
    ASSERT_EQ(registry.Create(kNoClass), nullptr);
    WriteInstallInf(false);
    ASSERT_TRUE(Load());
    ASSERT_TRUE(report.Order.empty());

    WriteInstallInf(true);
    EXPECT_FALSE(Load());
    EXPECT_EQ(report.Order, (std::vector<std::string>{"check failed in EVENT",
                                                      "Unable to load C:\\SETUP\\install.inf"}));
    EXPECT_FALSE(script.Loaded);
    EXPECT_TRUE(script.Events.Empty());
    EXPECT_TRUE(script.Build.Files.Empty());
}

INSTANTIATE_TEST_SUITE_P(BothWidths, UnknownEventLoad, ::testing::Bool());

}  // namespace
}  // namespace aw
