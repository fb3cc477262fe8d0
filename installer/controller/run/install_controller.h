// The install controller: reads "awmain.ini", decides how the distribution is packaged, loads the
// language library, builds the install screen, runs the script through the script host, prompts
// for disks, drives the progress gauge, installs the uninstaller, archives the operation log and
// decides whether Windows must be restarted.
//
// It is abstract: the script host derives from it and supplies the host operations below, in
// their slot order; the controller in turn offers the host its services (ControllerServices).
// Everything it needs from the system comes in through ControllerSystem
// (installer/controller/run/controller_system.h), with its Win32 implementation in win32/.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "installer/controller/file_request.h"
#include "installer/controller/run/controller_services.h"
#include "installer/script/model/install_script.h"

namespace aw {

struct ControllerSystem;

class InstallController : public ControllerServices {
  public:
    explicit InstallController(ControllerSystem& system);
    ~InstallController() override;
    InstallController(const InstallController&) = delete;
    InstallController& operator=(const InstallController&) = delete;

    // 1. The whole installation and its finish; the result code for "r" (0, 1, 2, 4 or 6).
    virtual std::int32_t Run();
    // 2. Unloads the script.
    virtual void CleanUp();
    // 3. Reads "awmain.ini" and loads the script; false ends the program with exit code 1.
    virtual bool Initialise();

    // Host operations, supplied by the script host.
    // 4. Interprets the event list; the completion status.
    virtual std::int32_t RunScript() = 0;
    // 5. False ends the initialisation with failure (the host has said why).
    virtual bool LoadScript() = 0;
    // 6.
    virtual void UnloadScript() = 0;
    // 7. The two longs of the script's information, for the log header.
    virtual void ScriptLongs(std::int32_t& first, std::int32_t& second) = 0;
    // 8. The uninstaller's dialog style and its minimum milliseconds per undone record (100).
    virtual void UninstallSettings(std::int32_t& dialogStyle, std::int32_t& pacing) = 0;
    // 9.
    virtual bool UseThreeDimensionalControls() = 0;
    // 10. False ends the run silently.
    virtual bool ProductName(std::string& name) = 0;
    // 11.
    virtual bool ShellCloseFlag() = 0;
    // 12. The distribution files of the current build style, in list order, and the style's
    // disk-map value. False: "Unable to get the disk map".
    virtual bool DiskMap(std::vector<DistributionEntry>& entries, std::int32_t& mapValue) = 0;
    // 13., 14.
    virtual const LanguageSet& AcquireLanguageSet() = 0;
    virtual void ReleaseLanguageSet() = 0;
    // 15., 16. The install screen from the script's screen layout, created and realised.
    virtual bool CreateInstallScreen() = 0;
    virtual void DestroyInstallScreen() = 0;
    // 17. Positions of the last BeginProgress and the last EndProgress event (the event count
    // when there is none); false when there is no BeginProgress.
    virtual bool SelectionRange(std::int32_t& first, std::int32_t& last) = 0;
    // 19., 20., 21. (18 is not called by the controller.)
    virtual std::uint32_t EventSizeKiB(std::int32_t event) = 0;
    virtual std::uint32_t EventRequiredSize(std::int32_t event) = 0;
    virtual std::int32_t EventCount() = 0;
    // 22.-24. (not used by the controller)
    virtual bool EventComponentBound(std::int32_t event) = 0;
    virtual std::int32_t ComponentCount() = 0;
    // 25.-28.
    virtual std::int32_t BillboardCount() = 0;
    virtual void ShowBillboard(std::int32_t index) = 0;
    virtual void HideBillboard() = 0;
    virtual bool BillboardShown() = 0;
    // 29.
    virtual std::int32_t MinimumMillisecondsPerFile() = 0;

    // One flag per event, all set at the start of the run; the component selection clears
    // and sets them.
    std::vector<bool>& SelectionFlags() { return selection_; }

  protected:
    ControllerSystem& System() { return system_; }

  private:
    ControllerSystem& system_;
    std::vector<bool> selection_;
};

}  // namespace aw
