// The script host (unit AWTEST): the installer's personality of awmain. It owns the loaded
// script, its variables and the selection flags, runs the event list against the controller's
// services and answers the controller's questions about the script.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "installer/controller/run/install_controller.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/host/component_selection.h"
#include "installer/script/host/custom_handler.h"
#include "installer/script/host/event_executor.h"
#include "installer/script/host/file_search.h"
#include "installer/script/host/host_windows.h"
#include "installer/script/host/script_facts.h"
#include "installer/script/host/script_interpreter.h"
#include "installer/script/host/service_directories.h"
#include "installer/script/host/user_dialogs.h"
#include "installer/script/model/install_script.h"
#include "installer/script/model/script_files.h"
#include "installer/script/variables/output_file.h"
#include "installer/script/variables/script_environment.h"

namespace aw {

// What the host stands on besides the controller's system.
struct ScriptHostParts {
    ScriptFiles& scriptFiles;
    OutputFiles& outputFiles;
    WholeFiles& wholeFiles;
    HostWindows& windows;
    HostEnvironment& environment;
};

// Our welcome, shown by the custom handler at position 2; "%s" is the product's name.
inline constexpr char kWelcomeText[] =
    "Welcome to the installation of %s.\r\n\r\n"
    "Close every other program before you go on.\r\n\r\n"
    "Continue installs the product now; Exit leaves without changing anything; Settings shows "
    "how this installation is set up.";

class ScriptHost : public InstallController, private CustomHandler {
  public:
    ScriptHost(ControllerSystem& system, ScriptHostParts parts);
    ~ScriptHost() override;

    std::int32_t RunScript() override;
    bool LoadScript() override;
    void UnloadScript() override;
    void ScriptLongs(std::int32_t& first, std::int32_t& second) override;
    void UninstallSettings(std::int32_t& dialogStyle, std::int32_t& pacing) override;
    bool UseThreeDimensionalControls() override;
    bool ProductName(std::string& name) override;
    bool ShellCloseFlag() override;
    bool DiskMap(std::vector<DistributionEntry>& entries, std::int32_t& mapValue) override;
    const LanguageSet& AcquireLanguageSet() override;
    void ReleaseLanguageSet() override;
    bool CreateInstallScreen() override;
    void DestroyInstallScreen() override;
    bool SelectionRange(std::int32_t& first, std::int32_t& last) override;
    std::uint32_t EventSizeKiB(std::int32_t event) override;
    std::uint32_t EventRequiredSize(std::int32_t event) override;
    std::int32_t EventCount() override;
    bool EventComponentBound(std::int32_t event) override;
    std::int32_t ComponentCount() override;
    std::int32_t BillboardCount() override;
    void ShowBillboard(std::int32_t index) override;
    void HideBillboard() override;
    bool BillboardShown() override;
    std::int32_t MinimumMillisecondsPerFile() override;

    InstallScript& Script() { return script_; }
    // What the installation-settings box tells: where the installation comes from and what it
    // holds.
    std::string SettingsText();
    ScriptEnvironment& Environment() { return environment_; }

  private:
    StepOutcome HandleCustom(Event& event, std::int32_t position, std::int32_t& status) override;
    StepOutcome Welcome(std::int32_t& status);
    Event* EventAt(std::int32_t position);

    ScriptHostParts parts_;
    SystemHostMachine machine_;
    InstallScript script_;
    std::unique_ptr<EventRegistry> registry_;
    ServiceDirectories directories_;
    ScriptEnvironment environment_;
    DiskMapTable diskMap_;
    UserDialogs dialogs_;
    FileSearch search_;
    ComponentSelection components_;
    EventExecutor executor_;
    ScriptInterpreter interpreter_;
};

}  // namespace aw
