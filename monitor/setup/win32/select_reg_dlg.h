// The small dialog that lists the names under which the system publishes dial-up statistics,
// for the user to pick the one the monitor reads. Made once at program start; shown by the
// settings dialog's check of the statistics name (Discovery::CheckStatisticsName).
#pragma once

#include <string>

#include "monitor/core/settings/settings.h"
#include "monitor/forms/win32/form_window.h"
#include "monitor/setup/discovery.h"
#include "monitor/setup/registry.h"

namespace lw {

class TSelectRegDlg : public Win32Form, public RegistryEntryDialog {
  public:
    static constexpr int kListId = 100;

    // A pick goes into `settings` at once.
    TSelectRegDlg(Win32Application& application, Registry& registry, MonitorSettings& settings);

    // Raised after each pick with the name picked, for the settings dialog's device list.
    Handler<const std::string&> OnChosen;

    void Offer() override { ShowModal(); }

    HWND List() const { return list_; }

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void FormShow(Component& sender);
    void Picked();

    Registry& registry_;
    MonitorSettings& settings_;
    HWND list_ = nullptr;
};

}  // namespace lw
