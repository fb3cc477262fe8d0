// The settings dialog's window: a modal dialog "Setup" with a fixed border and no title-bar
// buttons, centred on the screen, holding the dialog's controls on real windows. It is made
// once with the main window and hidden between showings.
#pragma once

#include <windows.h>

#include <memory>

#include "monitor/forms/win32/form_window.h"
#include "monitor/setup/setup_dialog.h"
#include "monitor/setup/win32/setup_controls.h"

namespace lw {

class SetupForm : public Win32Form {
  public:
    SetupForm(Win32Application& application, const SetupServices& services);
    ~SetupForm() override;

    TSetupDlg& Dialog() { return *dialog_; }

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    Win32DialogWindows windows_;
    std::unique_ptr<TSetupDlg> dialog_;
};

}  // namespace lw
