#include "installer/controller/run/install_controller.h"

#include <cstdarg>
#include <cstdlib>

#include "installer/controller/install_paths.h"
#include "installer/controller/run/controller_system.h"
#include "installer/controller/run/controller_texts.h"
#include "installer/controller/run/language_choice.h"
#include "installer/controller/run/log_archive.h"
#include "installer/controller/run/result_codes.h"
#include "installer/languages/resource_numbers.h"

namespace aw {

namespace {

constexpr char kSettingsSection[] = "x";
constexpr std::size_t kLongestArguments = 511;
constexpr std::size_t kLongestLanguageCode = 19;

// Free units of 10 KiB on the drive of `root`; none when the drive does not tell.
std::optional<std::uint64_t> FreeUnits(FileSystem& files, const std::string& root) {
    const std::optional<DiskFigures> figures = files.FreeSpace(root);
    if (!figures) {
        return std::nullopt;
    }
    const std::uint64_t bytes =
        std::uint64_t{figures->FreeClusters} * figures->SectorsPerCluster * figures->BytesPerSector;
    return bytes / 10240;
}

}  // namespace

InstallController::InstallController(ControllerSystem& system)
    : system_(system),
      installer_({*this, system.files, system.versions, system.decompression, *this, *this, *this,
                  system.system}),
      log_(system.logFiles, installer_) {}

InstallController::~InstallController() = default;

std::string InstallController::SettingsFile() const {
    return JoinPath(ownDirectory_, "awmain.ini");
}

bool InstallController::Initialise() {
    Machine& machine = system_.machine;
    FileSystem& files = system_.files;
    machine.SuppressErrorBoxes();
    ownDirectory_ = DirectoryPart(machine.ProgramPath());
    const std::string settings = SettingsFile();
    unattended_ = files.ReadProfileEntry(settings, kSettingsSection, "u", "0") == "1";
    const std::string start = files.ReadProfileEntry(settings, kSettingsSection, "p", "");
    if (start.empty()) {
        ReportFormatted(message::kSettingsMissing);
        return false;
    }
    sourceDirectory_ = DirectoryPart(start);
    const std::string root = PathRoot(sourceDirectory_);
    const MediumKind medium = MediumKindOf(machine.DriveTypeOf(root), FreeUnits(files, root));
    const std::optional<Packaging> packaging =
        PackagingOf(medium, IsFirstDiskFolder(sourceDirectory_));
    if (!packaging) {
        ReportFormatted(message::kInvalidPackaging);
        return false;
    }
    packaging_ = *packaging;
    disk_ = 0;
    sourcePath_ = JoinPath(sourceDirectory_, FileNamePart(start));
    arguments_ = files.ReadProfileEntry(settings, kSettingsSection, "cmdl", "");
    arguments_.resize(std::min(arguments_.size(), kLongestArguments));
    requiredSize_ = static_cast<std::int32_t>(std::strtol(
        files.ReadProfileEntry(settings, kSettingsSection, "sz", "0").c_str(), nullptr, 10));
    if (requiredSize_ == 0) {
        ReportFormatted(message::kSettingsMissing);
        return false;
    }
    return LoadScript();
}

void InstallController::WriteResult(std::int32_t result) {
    system_.files.WriteProfileEntry(SettingsFile(), kSettingsSection, "r", std::to_string(result));
}

std::int32_t InstallController::Run() {
    const std::int32_t status = RunInstallation();
    log_.Close();
    decompressor_.reset();
    const bool aborted = status == result::kFailed;
    const bool finished = Finish(aborted);
    return ResultAfterFinish(status, finished);
}

void InstallController::CleanUp() {
    UnloadScript();
}

std::int32_t InstallController::RunInstallation() {
    disk_ = 0;
    result_ = result::kInstalled;
    gauge_.Reset(0);
    abortRequested_ = fileReplacedAtRestart_ = systemIniChanged_ = appendLog_ = false;
    backDirectory_.clear();
    installer_.SetSilent(true);
    // Loaded once, so that the copies do not load and free it for every file.
    decompressor_ = system_.decompression.Load();
    // The three-dimensional look comes with the system's own controls.
    if (!ProductName(productName_)) {
        return result::kFailed;
    }
    std::int32_t mapValue = 0;
    diskMap_.clear();
    if (!DiskMap(diskMap_, mapValue)) {
        ReportFormatted(message::kNoDiskMap);
        return result::kFailed;
    }
    volumeStorage_ = mapValue != 0;
    if (!CopyAuxiliaryFiles()) {
        ReportFormatted(message::kNoAuxFiles);
        return result::kFailed;
    }
    std::string code = system_.files.ReadProfileEntry("win.ini", "Intl", "sLanguage", "enu");
    code.resize(std::min(code.size(), kLongestLanguageCode));
    language_ = ChooseLanguage(code, AcquireLanguageSet());
    ReleaseLanguageSet();
    if (!system_.windows.LoadLanguage(LanguageFile(".dll"))) {
        ReportFormatted(message::kNoLanguage);
        return result::kFailed;
    }
    installer_.SetSilent(false);
    OpenLog();
    if (!OpenWindows()) {
        TearDown();
        return result::kFailed;
    }
    selection_.assign(static_cast<std::size_t>(std::max(EventCount(), 0)), true);
    system_.windows.OpenHelp(LanguageFile(".hlp"));
    helpOpen_ = true;
    shellConnected_ = installer_.ConnectShell();
    const std::int32_t status = RunScript();
    installer_.DisconnectShell(ShellCloseFlag());
    shellConnected_ = false;
    TearDown();
    fileReplacedAtRestart_ = fileReplacedAtRestart_ || installer_.FileReplacedAtRestart();
    return StatusAfterScript(status, fileReplacedAtRestart_);
}

// An unattended run shows no windows: nobody is there to look at them, and a silent
// installation is expected to stay out of sight (and is the quicker for it).
bool InstallController::OpenWindows() {
    if (unattended_) {
        return true;
    }
    if (!CreateInstallScreen()) {
        ReportFormatted(message::kNoScreen);
        return false;
    }
    installScreenCreated_ = true;
    system_.windows.LoadProgramIcon(JoinPath(ownDirectory_, "awmain.ico"));
    programIconLoaded_ = true;
    if (!system_.windows.CreateIconWindow(Text(AW_TXT_ICON_WINDOW_TITLE))) {
        ReportFormatted(message::kNoIconWindow);
        return false;
    }
    iconWindowCreated_ = true;
    system_.windows.SetIconWindowTitle(productName_);
    return true;
}

void InstallController::TearDown() {
    ControllerWindows& windows = system_.windows;
    if (helpOpen_) {
        windows.CloseHelp();
        helpOpen_ = false;
    }
    if (iconWindowCreated_) {
        windows.DestroyIconWindow();
        iconWindowCreated_ = false;
    }
    if (programIconLoaded_) {
        windows.FreeProgramIcon();
        programIconLoaded_ = false;
    }
    windows.FreeLanguage();
    if (installScreenCreated_) {
        DestroyInstallScreen();
        installScreenCreated_ = false;
    }
}

std::string InstallController::LanguageFile(const char* extension) {
    return JoinPath(ownDirectory_, "aw" + LanguageCode(language_, *this) + extension);
}

bool InstallController::CopyAuxiliaryFiles() {
    for (const DistributionEntry& entry : diskMap_) {
        if (entry.Auxiliary == 0) {
            continue;
        }
        FileRequest request;
        request.Entry = &entry;
        request.SourceKind = entry.Compressed != 0 ? 0 : 1;
        request.InUsePolicy = 1;
        request.DestinationPath = JoinPath(ownDirectory_, FileNamePart(entry.Name));
        installer_.InstallFile(request);
        if (request.State != FileState::Installed) {
            return false;
        }
    }
    return true;
}

void InstallController::OpenLog() {
    LogHeader header;
    std::int32_t pacing = 0;
    UninstallSettings(header.DialogStyle, pacing);
    header.Language = language_;
    ScriptLongs(header.VersionHigh, header.VersionLow);
    header.ProductName = productName_;
    installer_.SetProductVersion({static_cast<std::uint32_t>(header.VersionHigh),
                                  static_cast<std::uint32_t>(header.VersionLow)});
    // A log that cannot be made is no reason to stop: the run goes on without records.
    log_.Open(JoinPath(ownDirectory_, kRunLogName), header);
}

bool InstallController::Finish(bool aborted) {
    if (backDirectory_.empty()) {
        return false;
    }
    if (!ArchiveLog(installer_, system_.logFiles, JoinPath(ownDirectory_, kRunLogName),
                    backDirectory_, !aborted && appendLog_)) {
        return false;
    }
    return !aborted ||
           WriteRollbackHandOver(system_.files, system_.system.shortPaths, backDirectory_);
}

std::string InstallController::Text(std::uint32_t number) {
    ControllerWindows& windows = system_.windows;
    return windows.LanguageLoaded() ? windows.LanguageText(number) : EnglishText(number);
}

void InstallController::ReportFormatted(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    const std::string text = FormatMessage(format, arguments);
    va_end(arguments);
    ReportError(text);
}

void InstallController::ReportError(const std::string& message) {
    if (unattended_) {
        system_.windows.TellUnattended(message.substr(0, Installer::kLongestMessage));
        return;
    }
    Box box;
    box.Text = message.substr(0, Installer::kLongestMessage);
    box.Buttons = {"OK"};
    if (system_.windows.LanguageLoaded()) {
        box.Template = BoxTemplate::Error;
    }
    Ask(box);
}

void InstallController::CheckFailed(const char* unit, int line) {
    ReportFormatted(message::kCheckFailed, line, unit);
}

std::int32_t InstallController::Ask(const Box& box) {
    if (unattended_) {
        return box.Default;
    }
    return system_.windows.ShowBox(box);
}

}  // namespace aw
