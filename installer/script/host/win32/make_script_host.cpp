#include "installer/script/host/win32/make_script_host.h"

#include "installer/controller/install_paths.h"
#include "installer/controller/run/controller_system.h"
#include "installer/controller/run/language_choice.h"
#include "installer/script/host/script_host.h"
#include "installer/script/host/win32/language_instance.h"
#include "installer/script/host/win32/win32_host_environment.h"
#include "installer/script/host/win32/win32_host_windows.h"
#include "installer/script/model/win32/script_files.h"
#include "installer/script/variables/win32/file_output.h"

namespace aw {
namespace {

// What the windows ask of the host, answered once the host exists.
class HostAnswers : public HostWindowsOwner {
  public:
    HostAnswers(ControllerWindows& windows, HINSTANCE program)
        : windows_(windows), program_(program) {}

    ScriptHost* Host = nullptr;

    // The language library that the controller loaded; the program's own resources before.
    HINSTANCE ResourceInstance() override {
        const HINSTANCE library = LanguageInstance(windows_);
        return library != nullptr ? library : program_;
    }
    std::string PictureFile(const std::string& name) override {
        if (name.empty()) {
            return name;
        }
        const std::string beside = JoinPath(Host->OwnDirectory(), FileNamePart(name));
        return GetFileAttributesA(beside.c_str()) != INVALID_FILE_ATTRIBUTES ? beside : name;
    }
    bool ExitCommand() override { return Host->AbortQuery(); }
    void HelpCommand() override {
        const std::string help = JoinPath(
            Host->OwnDirectory(), "aw" + LanguageCode(Host->LanguageIndex(), *Host) + ".hlp");
        WinHelpA(GetActiveWindow(), help.c_str(), HELP_CONTENTS, 0);
    }
    std::string SettingsText() override { return Host->SettingsText(); }
    std::string ProductTitle() override { return Host->Script().Info.ProductName; }

  private:
    ControllerWindows& windows_;
    HINSTANCE program_;
};

// The Win32 parts come first, so that they exist before the host that stands on them.
struct Win32HostParts {
    Win32HostParts(ControllerWindows& controllerWindows, HINSTANCE program)
        : answers(controllerWindows, program), windows(answers) {}

    Win32ScriptFiles scriptFiles;
    Win32OutputFiles outputFiles;
    Win32HostEnvironment environment;
    HostAnswers answers;
    Win32HostWindows windows;
};

class Win32ScriptHost : private Win32HostParts, public ScriptHost {
  public:
    Win32ScriptHost(ControllerSystem& system, HINSTANCE program)
        : Win32HostParts(system.windows, program),
          ScriptHost(system, {scriptFiles, outputFiles, environment, windows, environment}) {
        answers.Host = this;
    }
};

}  // namespace

std::unique_ptr<InstallController> MakeScriptHost(ControllerSystem& system, HINSTANCE instance) {
    return std::make_unique<Win32ScriptHost>(system, instance);
}

}  // namespace aw
