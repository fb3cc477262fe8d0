#include "monitor/core/window/win32/monitor_program.h"

#include <windows.h>

#include "monitor/core/window/win32/main_form.h"

namespace lw {

int RunMonitor(const std::vector<std::string>& arguments, int showCommand) {
    Win32Application application("LineWink");
    MainForm mainForm(application, {.arguments = arguments, .showCommand = showCommand});
    if (!mainForm.Create()) {
        return 0;
    }
    // The taskbar button; a start minimised to the taskbar has shown it already.
    if (!IsIconic(application.Handle())) {
        ShowWindow(application.Handle(), SW_SHOWNA);
    }
    application.App().Run();
    return 0;
}

}  // namespace lw
