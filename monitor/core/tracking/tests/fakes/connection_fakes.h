// Scripted stand-ins for everything the tick reaches: the sampler, sounds, boxes, log files,
// date formats, the main window and the settings dialog.
#pragma once

#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "monitor/core/boxes/message_box.h"
#include "monitor/core/sampling/line_sampler.h"
#include "monitor/core/settings/tests/fakes/fake_system.h"
#include "monitor/core/tracking/connection_log_file.h"
#include "monitor/core/tracking/connection_setup_link.h"
#include "monitor/core/tracking/connection_tracker.h"
#include "monitor/core/tracking/sound_rule.h"
#include "monitor/core/tracking/window_actions.h"

namespace lw::testing {

// Each tick takes `next` as the line state, as the real sampler's result would be.
class ScriptedSampler : public LineSampler {
  public:
    void SampleLine(SamplingState& sampling, const MonitorSettings&,
                    ConnectionState& connection) override {
        ++samples;
        sampling.Previous = sampling.Current;
        sampling.Current = next;
        if (next.CD == 1) {
            connection.SessionReceived = next.Received;
            connection.SessionTransmitted = next.Transmitted;
        }
    }
    void HangUp(const MonitorSettings&) override { ++hangUps; }
    void PortStatusText(const SamplingState&, const MonitorSettings&, std::string& text) override {
        text += status;
    }

    LineState next;
    std::string status = "8N1 57600";
    int samples = 0;
    int hangUps = 0;
};

class RecordingSounds : public SoundPlayer {
  public:
    void PlayWave(const std::string& fileName) override { played.push_back(fileName); }
    void Beep() override { played.push_back("<beep>"); }

    std::vector<std::string> played;
};

class ScriptedBoxes : public MessageBoxes {
  public:
    MessageAnswer Show(const std::string& text, MessageIcon, MessageButtons buttons) override {
        shown.push_back(text);
        if (whileOpen) {
            whileOpen();
        }
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
    }

    MessageAnswer answer = MessageAnswer::No;
    std::function<void()> whileOpen;  // runs inside the box, as the message loop would
    std::vector<std::string> shown;
};

// Files as strings; a missing key is a missing file.
class MemoryLogFiles : public LogFiles {
  public:
    std::optional<std::string> ReadLastLine(const std::string& fileName) override {
        ++reads;
        const auto found = files.find(fileName);
        if (found == files.end()) {
            return std::nullopt;
        }
        std::string text = found->second;
        if (text.ends_with("\r\n")) {
            text.resize(text.size() - 2);
        }
        const std::size_t lineEnd = text.rfind("\r\n");
        return lineEnd == std::string::npos ? text : text.substr(lineEnd + 2);
    }
    void Append(const std::string& fileName, const std::string& text) override {
        ++appends;
        if (failWrites) {
            throw LogFileError(fileName, 5);
        }
        files[fileName] += text;
    }

    std::map<std::string, std::string> files;
    bool failWrites = false;
    int reads = 0;
    int appends = 0;
};

// "dd.mm.yyyy" and "hh:mm:ss".
class FixedDateFormat : public DateTimeFormat {
  public:
    std::string ShortDate(int year, int month, int day) const override {
        char text[16];
        std::snprintf(text, sizeof text, "%02d.%02d.%04d", day, month, year);
        return text;
    }
    std::string LongTime(int hour, int minute, int second) const override {
        char text[16];
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
        return text;
    }
};

// Records the calls; drawing clears the redraw flags as the panel code does.
class RecordingWindow : public WindowActions {
  public:
    explicit RecordingWindow(ConnectionState& connection) : connection_(connection) {}

    void SetTopmost(bool topmost) override { calls.push_back(topmost ? "topmost" : "normal"); }
    void RemoveTitleBarDisplay() override { calls.push_back("remove title"); }
    void ReleaseDriver() override { calls.push_back("release driver"); }
    void StopTimer() override { calls.push_back("stop timer"); }
    void CloseMainWindow() override { calls.push_back("close"); }
    void InvalidatePanel() override { ++invalidations; }
    void DrawPanelNow() override {
        ++draws;
        if (connection_.TitleDirty) {
            ++titleRebuilds;
        }
        connection_.NeedRedraw = false;
        connection_.PanelDirty = false;
        connection_.TitleDirty = false;
        connection_.FirstDrawPending = false;
    }
    bool IsClosing() const override { return closing; }

    std::vector<std::string> calls;
    int invalidations = 0;
    int draws = 0;
    int titleRebuilds = 0;  // drawings that found the title-bar display marked stale
    bool closing = false;

  private:
    ConnectionState& connection_;
};

class RecordingDialog : public SetupDialogLink {
  public:
    bool IsOpen() const override { return open; }
    void ShowConnectTime(const std::string& text) override { labels.push_back(text); }
    void ClearScheduledDisconnect() override { ++cleared; }
    void Refresh() override { ++refreshes; }

    bool open = false;
    std::vector<std::string> labels;
    int cleared = 0;
    int refreshes = 0;
};

// The records of the tick and stand-ins for all it reaches but the line sampler, which each
// test brings: a tracker is made with Services(sampler).
struct TickRig {
    TickServices Services(LineSampler& sampler) {
        return {clock, sampler, sounds, boxes, logs, dates, window, dialog};
    }

    MonitorSettings settings;
    SamplingState sampling;
    ConnectionState connection;
    FakeClock clock;
    RecordingSounds sounds;
    ScriptedBoxes boxes;
    MemoryLogFiles logs;
    FixedDateFormat dates;
    RecordingWindow window{connection};
    RecordingDialog dialog;
};

}  // namespace lw::testing
