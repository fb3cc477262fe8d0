// The parts of the settings dialog that the tick keeps up to date while it is open.
#pragma once

#include <string>

namespace lw {

class SetupDialogLink {
  public:
    virtual ~SetupDialogLink() = default;
    virtual bool IsOpen() const = 0;
    // The connect-time label: "Total connect time   ..." with the "since" date.
    virtual void ShowConnectTime(const std::string& text) = 0;
    // Unticks the "Activate!" box of the one-time scheduled disconnect.
    virtual void ClearScheduledDisconnect() = 0;
    // Reloads the controls from the settings record.
    virtual void Refresh() = 0;
};

// Until the dialog exists (and whenever it is closed) there is nothing to update.
class NoSetupDialog : public SetupDialogLink {
  public:
    bool IsOpen() const override { return false; }
    void ShowConnectTime(const std::string&) override {}
    void ClearScheduledDisconnect() override {}
    void Refresh() override {}
};

}  // namespace lw
