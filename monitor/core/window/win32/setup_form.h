// The settings dialog's window while its pages are still to come: OK and Cancel.
#pragma once

#include "monitor/forms/win32/form_window.h"

namespace lw {

class SetupForm : public Win32Form {
  public:
    explicit SetupForm(Win32Application& application);
};

}  // namespace lw
