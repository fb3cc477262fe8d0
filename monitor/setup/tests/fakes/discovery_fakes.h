// A registry in memory, the main window as a log of what a port switch asks of it, and the
// rig that joins them to the main window's own fakes of the system and the settings file.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "monitor/core/settings/tests/fakes/fake_profile.h"
#include "monitor/core/settings/tests/fakes/fake_system.h"
#include "monitor/core/window/tests/fakes/main_window_fakes.h"
#include "monitor/setup/discovery.h"
#include "monitor/setup/registry.h"

namespace lw::testing {

// Keys hold their values in the order they were added, which is the order they are listed.
class MemoryRegistry : public Registry {
  public:
    using Values = std::vector<std::pair<std::string, RegistryValue>>;

    std::unique_ptr<RegistryKey> Open(RegistryRoot root, const std::string& path) override {
        const auto found = keys.find({root, path});
        if (found == keys.end()) {
            return nullptr;
        }
        return std::make_unique<Key>(found->second);
    }
    Values& KeyAt(RegistryRoot root, const std::string& path) { return keys[{root, path}]; }
    void SetString(RegistryRoot root, const std::string& path, const std::string& name,
                   const std::string& text) {
        KeyAt(root, path).emplace_back(name, StringValue(text));
    }

    std::map<std::pair<RegistryRoot, std::string>, Values> keys;

  private:
    class Key : public RegistryKey {
      public:
        explicit Key(Values& values) : values_(values) {}
        std::optional<RegistryValue> Read(const std::string& name) override {
            for (const auto& [valueName, value] : values_) {
                if (valueName == name) {
                    return value;
                }
            }
            return std::nullopt;
        }
        bool Write(const std::string& name, const RegistryValue& value) override {
            values_.emplace_back(name, value);
            return true;
        }
        bool Delete(const std::string&) override { return false; }
        std::vector<std::string> ValueNames() override {
            std::vector<std::string> names;
            for (const auto& entry : values_) {
                names.push_back(entry.first);
            }
            return names;
        }

      private:
        Values& values_;
    };
};

class RecordingPortWindow : public PortSwitchWindow {
  public:
    explicit RecordingPortWindow(CallLog& log) : log_(log) {}

    WindowPlace Place() const override { return place; }
    void TrayShowApp() override { log_.push_back("tray show app"); }
    void SetTimerInterval(unsigned milliseconds) override {
        log_.push_back("timer " + std::to_string(milliseconds));
    }
    void SetUpdateNowEntry(bool shown) override {
        log_.push_back(shown ? "update now shown" : "update now hidden");
    }
    void ShowNormalAt(int left, int top, int width) override {
        log_.push_back("show normal at " + std::to_string(left) + "," + std::to_string(top) +
                       " width " + std::to_string(width));
    }
    void MinimizeApp() override { log_.push_back("minimize app"); }
    void MakeGdiFonts() override { log_.push_back("make gdi fonts"); }
    void InvalidatePanel() override { log_.push_back("invalidate panel"); }

    WindowPlace place{30, 40};

  private:
    CallLog& log_;
};

class CountedEntryDialog : public RegistryEntryDialog {
  public:
    void Offer() override { ++offers; }
    int offers = 0;
};

struct DiscoveryRig {
    DiscoveryRig() { settings.DefaultPort = 1; }

    CallLog log;
    MonitorSettings settings;
    SamplingState sampling;
    ConnectionState connection;
    RecordingPortWindow window{log};
    FakeStartupSystem system{log};
    FakeProfile file;
    FakeAppearance appearance;
    FakeClock clock;
    SetupCaption caption;
    PortSwitchServices ports{settings,
                             sampling,
                             connection,
                             caption,
                             window,
                             system,
                             [this] { return std::make_unique<SharedProfile>(file); },
                             appearance,
                             clock};
    MemoryRegistry registry;
    CountedEntryDialog dialog;
    Discovery discovery{ports, registry, dialog};
};

}  // namespace lw::testing
