// Fuzzes the settings as read from "LINEWINK.INI": each line of the input is the value of one
// key, "EditorName" first, then the port section's keys in their order. The loaded record is
// then used as the tick uses it (durations, the automatic reset that is due) and saved: what one
// save writes must load and save again into the same texts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "monitor/core/settings/settings_keys.h"
#include "monitor/core/settings/settings_store.h"
#include "monitor/core/settings/tests/fakes/fake_profile.h"
#include "monitor/core/settings/tests/fakes/fake_system.h"
#include "monitor/core/time/duration_text.h"
#include "monitor/core/tracking/auto_reset.h"

namespace {

using lw::testing::FakeProfile;

constexpr std::int32_t kPort = 2;

FakeProfile FileFromLines(std::string_view input) {
    FakeProfile file;
    const std::string section = lw::PortSectionName(kPort);
    auto nextLine = [&input]() {
        const std::size_t end = input.find('\n');
        const std::string line(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
        return line;
    };
    if (!input.empty()) {
        file.Set(lw::kMainSection, "EditorName", nextLine());
    }
    for (const lw::SettingKey& key : lw::PortSettingKeys()) {
        if (input.empty()) {
            break;
        }
        file.Set(section, std::string(key.name), nextLine());
    }
    return file;
}

lw::MonitorSettings Load(FakeProfile& file) {
    lw::MonitorSettings settings;
    settings.DefaultPort = kPort;
    lw::LoadPortSettings(settings, file, lw::testing::FakeAppearance{}, lw::testing::FakeClock{});
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakeProfile file = FileFromLines(std::string_view(reinterpret_cast<const char*>(data), size));
    const lw::MonitorSettings settings = Load(file);

    const lw::testing::FakeClock clock;
    lw::FormatDuration(settings.TotalConnectNew);
    lw::FormatDuration(clock.now - settings.TotalConnectReset);
    lw::NextAutoResetTime(settings);
    lw::DueAutoResetTime(settings, clock.now);

    FakeProfile saved;
    lw::SavePortSettings(settings, saved);
    FakeProfile savedAgain;
    lw::SavePortSettings(Load(saved), savedAgain);
    if (savedAgain.values != saved.values) {
        std::abort();
    }
    return 0;
}
