// The install controller: reads "awmain.ini", decides how the distribution is packaged, loads the
// language library, builds the install screen, runs the script through the script host, prompts
// for disks, drives the progress gauge, installs the uninstaller, archives the operation log and
// decides whether Windows must be restarted.
//
// It is abstract: the script host derives from it and supplies the host operations below, in
// their slot order; the controller in turn offers the host its services (ControllerServices).
// Everything it needs from the system comes in through ControllerSystem
// (installer/controller/run/controller_system.h), with its Win32 implementation in win32/.
// For the copy it is the Installer's media, progress display and questions.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "installer/controller/copy_host.h"
#include "installer/controller/file_request.h"
#include "installer/controller/installer.h"
#include "installer/controller/run/controller_services.h"
#include "installer/controller/run/controller_windows.h"
#include "installer/controller/run/packaging.h"
#include "installer/controller/run/progress_gauge.h"
#include "installer/oplog/operation_log.h"
#include "installer/script/model/install_script.h"

namespace aw {

struct ControllerSystem;

class InstallController : public ControllerServices,
                          public DistributionMedia,
                          public ProgressDisplay,
                          public UserQuestions {
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

    // Writes the result code to "r" of "awmain.ini".
    void WriteResult(std::int32_t result);
    // Formats like printf into at most 512 characters and shows the message.
    void ReportFormatted(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // The language library's text of that number, or its English text while none is loaded.
    std::string Text(std::uint32_t number) override;
    Packaging PackagingKind() const { return packaging_; }
    const std::string& BackDirectory() const { return backDirectory_; }
    Installer& TheInstaller() { return installer_; }

    // ErrorReport.
    void ReportError(const std::string& message) override;
    void CheckFailed(const char* unit, int line) override;

    // ControllerServices.
    bool Unattended() const override { return unattended_; }
    void SetUndoClass(std::int32_t undoClass) override;
    bool InstallFile(FileRequest& request) override;
    bool InstallUninstaller(const UninstallerRequest& request) override;
    bool FileExists(const std::string& path) override;
    bool RenameFile(const std::string& from, const std::string& to) override;
    bool CopyPlainFile(const std::string& from, const std::string& to) override;
    bool DeletePath(const std::string& path) override;
    bool MakeDirectory(const std::string& path) override;
    bool WriteIni(const IniRequest& request) override;
    bool WriteRegistry(const RegistryValueRequest& request) override;
    bool CreateItem(const ItemRequest& request) override;
    bool DeleteItem(const std::string& group, const std::string& item) override;
    bool DeleteGroup(const std::string& group) override;
    bool ExecuteProgram(ExecuteRequest& request) override;
    CompletionAnswer SetCompletion(CompletionRequest& request) override;
    std::int32_t CompletionStatus() override { return result_; }
    bool ShowMessage(MessageRequest& request) override;
    bool AskThreeButtons(MessageRequest& request) override;
    bool PromptText(PromptRequest& request) override;
    bool AskUserInfo(UserInfoRequest& request) override;
    bool AbortQuery() override;
    bool CompareTexts(CompareRequest& request) override;
    bool ReadIniEntry(ReadIniEntryRequest& request) override;
    bool ReadRegistryValue(ReadRegistryRequest& request) override;
    void WindowsVersion(std::int32_t& major, std::int32_t& minor) override;
    std::int32_t Processor() override;
    void FirstCdRom(CdRomRequest& request) override;
    std::int32_t ArgumentCount() override;
    bool Argument(std::int32_t index, std::string& text) override;
    std::string SourceDirectory() override { return sourceDirectory_; }
    std::string WindowsDirectory() override;
    std::string SystemDirectory() override;
    std::string OwnDirectory() override { return ownDirectory_; }
    std::int32_t LanguageIndex() override { return language_; }
    std::int32_t DiskSpaceNeeded() override;
    bool BeginProgress(std::int32_t first, std::int32_t second, std::int32_t third) override;
    void EndProgress() override;
    void AdvanceProgress(std::uint32_t units) override;
    void ShowBanner(BannerKind kind) override;
    void HideBanner(BannerKind kind) override;
    void ShowMessageWindow(const MessageWindowRequest& request) override;
    void HideMessageWindow() override;
    void ProcessMessages() override;

    // DistributionMedia.
    bool VolumeStorage() override { return volumeStorage_; }
    std::string StartFile() override { return sourcePath_; }
    bool PromptForDisk(std::int32_t disk, bool forced) override;

    // ProgressDisplay.
    bool ProgressWindowShown() override;
    void ShowProgressLines(const std::string& first, const std::string& second,
                           const std::string& third) override;
    void GaugeStart(std::uint32_t units) override;
    bool GaugeStep(std::uint32_t units) override;
    void GaugeEnd() override;
    void GaugeUndo() override;

    // UserQuestions.
    bool AskRetry(const std::string& message) override;
    OverwriteChoice AskOverwrite(const std::string& existingFile,
                                 const std::string& newFile) override;

  protected:
    ControllerSystem& System() { return system_; }
    // Shows the box, or answers its default button at once in an unattended run.
    std::int32_t Ask(const Box& box);

  private:
    // The run's sixteen steps; the status before the finish.
    std::int32_t RunInstallation();
    // The install screen and the icon window; false after the failure's message.
    bool OpenWindows();
    // Puts down what the run set up, newest first.
    void TearDown();
    bool CopyAuxiliaryFiles();
    void OpenLog();
    // Archives the log; on the abort path also prepares the rollback. False when nothing was
    // archived.
    bool Finish(bool aborted);
    bool InsertDisk(std::int32_t disk);
    std::int32_t CompletionDialog(std::int32_t status);
    // Shows the gauge's state and the billboard that belongs to it.
    void ShowGauge();
    void ShowBillboardForProgress();
    std::string SettingsFile() const;
    std::string LanguageFile(const char* extension);
    // `placed` receives the files that were not there before.
    bool CopyUninstallerFiles(const UninstallerRequest& request, std::vector<std::string>& placed);
    bool RegisterUninstaller(const RegistryKey& key);
    bool CreateUninstallerShortcut(const UninstallerRequest& request);

    ControllerSystem& system_;

    // The controller's state.
    Packaging packaging_ = Packaging::SingleSource;
    std::int32_t language_ = 3;
    std::int32_t disk_ = 0;
    std::int32_t result_ = 0;
    ProgressGauge gauge_;
    std::string productName_;
    std::string arguments_;
    bool abortRequested_ = false;
    bool fileReplacedAtRestart_ = false;
    bool systemIniChanged_ = false;
    bool appendLog_ = false;
    std::int32_t requiredSize_ = 0;
    std::vector<bool> selection_;
    bool shellConnected_ = false;
    std::string sourcePath_;
    std::string sourceDirectory_;
    std::string ownDirectory_;
    std::string backDirectory_;
    bool programIconLoaded_ = false;
    bool installScreenCreated_ = false;
    bool iconWindowCreated_ = false;
    Installer installer_;

    // What the run holds besides.
    bool unattended_ = false;
    bool volumeStorage_ = false;
    std::vector<DistributionEntry> diskMap_;
    std::unique_ptr<LoadedDecompressor> decompressor_;
    OperationLog log_;
    bool helpOpen_ = false;
    std::int32_t billboard_ = -1;
    // The figure the progress window shows; -1 before it shows one.
    std::int32_t shownPercent_ = -1;
};

}  // namespace aw
