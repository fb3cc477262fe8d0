// The Installer: the one object that changes the machine (files, registry, INI files, Program
// Manager, fonts) for the install controller and, with a discarding log, for the uninstaller.
//
// This file holds what all its operations share: the log sink they report to, the undo class
// of the running script event, the silent flag, the last error and the report-error path. The
// operations themselves are members of this class too, one concern per source file beside this
// one (installer_files.cpp, installer_copy.cpp, installer_registry.cpp, installer_ini.cpp,
// installer_shell.cpp, ...). Whatever they need from the system comes in through an interface
// added to InstallerServices, with its Win32 implementation in win32/.
//
// Every operation has the same shape: make the change; when it fails, report it and return
// failure without logging anything; only once it succeeded, report it to Log():
//
//     bool Installer::SetAttributes(const std::string& path, std::int32_t attributes) {
//         ...
//         if (!services_.files.SetAttributes(path, attributes)) {
//             ReportError("Unable to set the file attributes of %s", path.c_str());
//             return false;
//         }
//         Log().AttributesChanged(path, old, attributes);
//         return true;
//     }
//
// Changes that must leave no record (internal copies, shared-count increments) are made while
// an UnloggedScope lives. Tests attach a MemoryLog (installer/oplog/record_sink.h) and compare
// its records.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "installer/controller/copy_host.h"
#include "installer/controller/decompression_library.h"
#include "installer/controller/file_request.h"
#include "installer/controller/file_system.h"
#include "installer/controller/ini/ini_request.h"
#include "installer/controller/registry/registry_request.h"
#include "installer/controller/shell/shell_connection.h"
#include "installer/controller/system_services.h"
#include "installer/controller/version_library.h"
#include "installer/oplog/log_sink.h"

namespace aw {

class ErrorReport;

// What the Installer needs from the world.
struct InstallerServices {
    // Shows the messages of failures and of internal checks.
    ErrorReport& report;

    // File installation: the file system, the version library, "lzpunz2.dll", and what the
    // install controller offers the copy (media, progress, questions).
    FileSystem& files;
    VersionLibrary& versions;
    DecompressionLibrary& decompression;
    DistributionMedia& media;
    ProgressDisplay& progress;
    UserQuestions& questions;
    // Registry, INI files, shell, fonts and OLE servers (installer_registry.cpp, installer_ini.cpp,
    // installer_shell.cpp, installer_fonts.cpp).
    SystemServices& system;
};

// Results of CreateDirectory.
inline constexpr std::int32_t kDirectoryReady = 0;
inline constexpr std::int32_t kDirectoryFailed = 2;

// Results of FreeSpace.
inline constexpr std::int32_t kEnoughSpace = 0;
inline constexpr std::int32_t kTooLittleSpace = 1;
inline constexpr std::int32_t kFreeSpaceUnknown = 2;

class Installer : public LogHolder {
  public:
    // The longest message the report-error path shows.
    static constexpr std::size_t kLongestMessage = 512;

    explicit Installer(const InstallerServices& services)
        : services_(services), shell_(services.system.shells, services.system.os.Platform) {}
    Installer(const Installer&) = delete;
    Installer& operator=(const Installer&) = delete;

    const InstallerServices& Services() const { return services_; }

    // The sink every change is reported to; the discarding sink until a log is attached.
    LogSink& Log() { return *log_; }
    // The attached sink takes the running undo class at once.
    LogSink& AttachLog(LogSink& sink) override;
    void DetachLog() override;

    // Handed over by the script interpreter before each event runs; passed on to the attached
    // sink (and to any sink attached later).
    void SetUndoClass(std::int32_t undoClass);
    std::int32_t UndoClass() const { return undoClass_; }

    // While silent, failures are recorded as the last error but not shown.
    void SetSilent(bool silent) { silent_ = silent; }
    bool Silent() const { return silent_; }
    // The message of the latest failure, shown or not; empty before the first.
    const std::string& LastError() const { return lastError_; }

    // Formats like printf into at most kLongestMessage characters, records the text as the last
    // error and shows it unless silent.
    void ReportError(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // An internal consistency check failed at `line` of this unit; the caller carries on.
    void CheckFailed(int line);

    // File installation (installer_copy.cpp). The request's state tells how it went.
    void InstallFile(FileRequest& request);
    // A plain copy of one file; FileCreated.
    bool CopyPlainFile(const std::string& source, const std::string& destination);
    // The product's version, compared with and written to "awver.ini".
    void SetProductVersion(const ProductVersion& version) { productVersion_ = version; }
    ProductVersion GetProductVersion() const { return productVersion_; }
    // Some file was queued to replace its destination at the next restart.
    bool FileReplacedAtRestart() const { return fileReplacedAtRestart_; }

    // Files and directories (installer_files.cpp).
    // kDirectoryReady when created or already there (DirCreated for each level created), else
    // kDirectoryFailed.
    std::int32_t MakeDirectory(const std::string& path);
    // AttrChanged when protective attributes were cleared, FileDeleted; a missing file is
    // success. No operation that deletes or moves away takes a drive root, the Windows or the
    // system directory.
    bool RemoveFile(const std::string& path);
    // FileDeleted for each file, DirRemoved for each directory.
    bool RemoveTree(const std::string& path);
    // A directory as a tree, anything else as a file.
    void Remove(const std::string& path);
    // FileMoved.
    bool RenameFile(const std::string& from, const std::string& to);
    // AttrChanged (old, new) when they change.
    bool SetAttributes(const std::string& path, std::uint32_t attributes);
    // Whether the drive of `path` has `neededUnits` units of 10 KiB free: kEnoughSpace,
    // kTooLittleSpace or kFreeSpaceUnknown.
    std::int32_t FreeSpace(const std::string& path, std::uint32_t neededUnits);

    // SharedDLLs counts (installer_shared_counts.cpp): the new count, or -1 when the file is not
    // counted (it lies outside the system and common-files directories) or on a failure.
    std::int32_t IncrementSharedCount(const std::string& path);
    std::int32_t DecrementSharedCount(const std::string& path);

    // Registry. Keys missing on the way are created, each created level logged; deleting a key
    // takes its subkeys and values with it, each logged.
    bool CreateKey(const RegistryKey& key);
    bool DeleteKey(const RegistryKey& key);
    bool SetValue(const RegistryKey& key, const std::string& name, const RegistryValue& value);
    bool SetTextValue(const RegistryKey& key, const std::string& name, const std::string& text);
    bool DeleteValue(const RegistryKey& key, const std::string& name);
    std::optional<RegistryValue> ReadValue(const RegistryKey& key, const std::string& name);
    bool KeyHasSubkeys(const RegistryKey& key);
    // The registry event's service: creates the key only for type 0, writes nothing for types
    // the installer does not know.
    bool WriteRegistryValue(const RegistryValueRequest& request);

    // INI files, through the installer's own line-based engine so that entries of the same name
    // stay apart by their occurrence. A file named without a directory is in the Windows one.
    bool AddIniSection(const std::string& file, const std::string& section);
    bool DeleteIniSection(const std::string& file, const std::string& section);
    bool InsertIniEntry(const std::string& file, const std::string& section,
                        const std::string& entry, const std::string& value, std::int32_t position);
    // A missing occurrence is inserted after the last one instead.
    bool SetIniEntry(const std::string& file, const std::string& section, const std::string& entry,
                     const std::string& value, std::int32_t occurrence);
    bool DeleteIniEntry(const std::string& file, const std::string& section,
                        const std::string& entry, std::int32_t occurrence);
    bool IniSectionHasEntries(const std::string& file, const std::string& section);
    // The INI event's service.
    bool WriteIni(const IniRequest& request);
    // Set once an entry of "system.ini" in the Windows directory was written.
    bool SystemIniChanged() const { return systemIniChanged_; }

    // The shell. Every operation holds the connection while it runs; the controller holds it
    // around the whole script so that the shell is chosen and opened once.
    bool ConnectShell();
    void DisconnectShell(bool closeShell);
    bool CreateGroup(const std::string& group);
    bool DeleteGroup(const std::string& group);
    bool CreateItem(const ItemRequest& request);
    // The item event's service: quoted paths in the command line become short paths first.
    bool CreateItemFromEvent(ItemRequest request);
    bool DeleteItem(const std::string& group, const std::string& name);
    // None when the group is missing or the shell cannot tell.
    std::optional<std::vector<ProgramItem>> GroupItems(const std::string& group);

    bool InstallFont(const std::string& file);
    bool RemoveFont(const std::string& file);
    bool RegisterOleServer(const std::string& file);

  private:
    bool ProtectedFromDeletion(const std::string& path);
    std::int32_t ChangeSharedCount(const std::string& path, std::int32_t change);
    std::string SharedCountName(const std::string& file);

    // Registry helpers (installer_registry.cpp).
    bool CreateKeyLevels(const RegistryKey& key);
    bool DeleteKeyTree(const RegistryKey& key);
    // INI helpers (installer_ini.cpp).
    struct IniFile;
    std::optional<IniFile> ReadIni(const std::string& file);
    bool SaveIni(IniFile& ini);
    std::optional<std::string> FreeIniName(const std::string& path);
    bool InsertIni(const std::string& file, const std::string& section, const std::string& entry,
                   const std::string& value, std::size_t position, const char* failure);
    void NoteIniWrite(const std::string& path);
    // Shell helpers (installer_shell.cpp).
    bool AddAndKeepFields(const ItemRequest& request);
    void LogItemsGone(const std::string& group, const std::vector<ProgramItem>& items);

    InstallerServices services_;
    ShellConnection shell_;
    // The run-wide number of the INI engine's temporary files.
    std::int32_t iniTemporaryNumber_ = 0;
    bool systemIniChanged_ = false;
    DiscardingSink discarding_;
    LogSink* log_ = &discarding_;
    std::int32_t undoClass_ = 0;
    bool silent_ = false;
    std::string lastError_;
    ProductVersion productVersion_;
    bool fileReplacedAtRestart_ = false;
};

// Changes made while one of these lives leave no record: the discarding sink is attached, and
// the sink attached before comes back when it ends.
class UnloggedScope {
  public:
    explicit UnloggedScope(Installer& installer) : installer_(installer), saved_(installer.Log()) {
        installer_.DetachLog();
    }
    ~UnloggedScope() { installer_.AttachLog(saved_); }
    UnloggedScope(const UnloggedScope&) = delete;
    UnloggedScope& operator=(const UnloggedScope&) = delete;

  private:
    Installer& installer_;
    LogSink& saved_;
};

}  // namespace aw
