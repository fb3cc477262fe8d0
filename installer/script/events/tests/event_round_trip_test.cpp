// Every event class written by the builder's writer and read back through the registry.
#include <gtest/gtest.h>

#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/events/file_events.h"
#include "installer/script/model/script_loader.h"
#include "installer/script/model/tests/fakes/fake_report.h"
#include "installer/script/model/tests/sample_script.h"
#include "tools/scriptbuild/script_writer.h"

namespace aw {
namespace {

// One event of every entered class, each with values that differ from the defaults.
InstallScript ScriptWithEveryClass(const EventRegistry& registry) {
    InstallScript script = testing::SampleScript();
    script.Events.Clear();
    for (std::int32_t code = 0; code < 60; ++code) {
        if (auto event = registry.Create(code)) {
            event->UndoClass = code % 3;
            event->ComponentBound = code % 2;
            event->Condition = "v" + std::to_string(code) + ">1";
            event->Note = "note " + std::to_string(code);
            if (auto* files = dynamic_cast<InstallFiles*>(event.get())) {
                files->Files.Files = {{1, nullptr}, {0, nullptr}};
                files->SecondFiles.Files = {{5, nullptr}};
            }
            script.Events.Add(std::move(event));
        }
    }
    return script;
}

TEST(EventsRoundTrip, EveryClassRewritesToTheSameBytesInBothWidthsAndAllVersions) {
    testing::FakeReport report;
    EventRegistry registry(report);
    ASSERT_TRUE(RegisterEventClasses(registry));
    for (bool shortInts : {true, false}) {
        for (std::int32_t version : {300, 301, 302}) {
            SCOPED_TRACE(version);
            InstallScript sample = ScriptWithEveryClass(registry);
            auto bytes = WriteScript(sample, shortInts, version);
            ASSERT_TRUE(bytes.has_value());
            InstallScript loaded;
            ASSERT_EQ(ReadScript(*bytes, loaded, registry), ScriptReadResult::Loaded);
            ASSERT_EQ(loaded.Events.Size(), registry.Count());
            EXPECT_EQ(loaded.Events.At(3)->Note, sample.Events.At(3)->Note);
            const auto& files = dynamic_cast<InstallFiles&>(*loaded.Events.At(3));
            EXPECT_EQ(files.Files.Files[0].Target, loaded.Build.Files.At(1));
            EXPECT_EQ(files.SecondFiles.Files[0].Target, nullptr);
            loaded.Revision = loaded.LoadedRevision;
            EXPECT_EQ(WriteScript(loaded, shortInts, version), bytes);
        }
    }
}

// Cut after each byte in turn, with every class in the file: no prefix loads, none crashes.
TEST(EventsRoundTrip, EveryTruncationOfEveryClassFails) {
    testing::FakeReport report;
    EventRegistry registry(report);
    ASSERT_TRUE(RegisterEventClasses(registry));
    for (bool shortInts : {true, false}) {
        InstallScript sample = ScriptWithEveryClass(registry);
        const auto bytes = WriteScript(sample, shortInts, 302);
        ASSERT_TRUE(bytes.has_value());
        for (std::size_t length = 0; length < bytes->size(); ++length) {
            InstallScript loaded;
            ASSERT_NE(ReadScript(std::span(bytes->data(), length), loaded, registry),
                      ScriptReadResult::Loaded)
                << length;
        }
    }
}

TEST(EventsRoundTrip, UndoClassThreeFailsTheLoad) {
    testing::FakeReport report;
    EventRegistry registry(report);
    ASSERT_TRUE(RegisterEventClasses(registry));
    InstallScript sample = ScriptWithEveryClass(registry);
    sample.Events.At(1)->UndoClass = 3;
    auto bytes = WriteScript(sample, false, 302);
    ASSERT_TRUE(bytes.has_value());
    InstallScript loaded;
    EXPECT_NE(ReadScript(*bytes, loaded, registry), ScriptReadResult::Loaded);
}

}  // namespace
}  // namespace aw
