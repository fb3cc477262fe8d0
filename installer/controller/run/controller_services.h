// What the install controller offers the script's events: one service per kind of event, each
// taking one request record and answering success or failure. The script host (which derives
// from the controller) runs its events against this interface, so that the events can be tried
// against a recording stand-in; the controller implements it for real.
//
// Every service that fails has shown its message (through ReportError) before it returns false.
// Results come back in the request's fields marked "out"; the event stores them into its
// variables afterwards.
#pragma once

#include <cstdint>
#include <string>

#include "installer/controller/file_request.h"
#include "installer/controller/ini/ini_request.h"
#include "installer/controller/registry/registry_request.h"
#include "installer/controller/shell/shell_interface.h"
#include "installer/script/model/error_report.h"

namespace aw {

struct ExecuteRequest {
    // 0: start and go on; 1: wait for the process to end (ExitCode out); 2: wait until a window
    // of WindowClass / WindowTitle (either may be empty) has come and gone.
    std::int32_t Kind = 0;
    // SW_SHOWNORMAL 1, SW_SHOWMINIMIZED 2, SW_SHOWMAXIMIZED 3.
    std::int32_t ShowWindow = 1;
    std::int32_t ThroughShell = 0;
    std::string WindowClass;       // 128
    std::string WindowTitle;       // 128
    std::string CommandLine;       // 512
    std::string WorkingDirectory;  // 260
    std::uint32_t ExitCode = 0;    // out, kind 1
};

enum class CompletionAnswer { Continue, Stop };

struct CompletionRequest {
    // 0 automatic, 1..4.
    std::int32_t Kind = 0;
    std::int32_t EndNow = 0;
    std::int32_t ShowDialog = 0;
    // Out: the status the kind and the dialog's answer came to.
    std::int32_t Status = 0;
    // The status is stored into a script variable instead of becoming the run's completion
    // status.
    bool StoreInVariable = false;
};

struct MessageRequest {
    std::int32_t Style = 0;
    std::string Text;         // 512 (ShowMessage) or 1024 (AskYesNo)
    std::int32_t Answer = 0;  // out, AskYesNo: 1 first button, 0 second
};

struct CompareRequest {
    // 0: ignoring case; otherwise exact.
    std::int32_t CaseFlag = 1;
    std::string First;        // 512
    std::string Second;       // 512
    std::int32_t Result = 0;  // out: negative, 0, positive
};

struct ReadIniEntryRequest {
    std::string Directory;  // 260
    std::string File;       // 260
    std::string Section;    // 256
    std::string Entry;      // 256
    bool Found = false;     // out
    std::string Value;      // out, at most 255 characters
};

struct ReadRegistryRequest {
    // The event's root index: 0 HKEY_CLASSES_ROOT .. 4 HKEY_CURRENT_CONFIG (RootOfEventIndex).
    std::int32_t Root = 0;
    std::string Key;        // 512
    std::string ValueName;  // 256
    bool Found = false;     // out
    std::string Value;      // out: texts as they are, 4-byte values as "%u"
};

struct CdRomRequest {
    bool Found = false;  // out
    std::string Root;    // out: "D:\" or empty
};

struct PromptRequest {
    std::int32_t Ints[4] = {};
    std::string Initial;  // 256
    std::string Prompt;   // 1024
    std::string Caption;  // 128
    // Used when Ints[1] == 1 and Ints[3] != 0: the most characters the answer may have.
    std::int32_t MaxLength = 0;
    std::string Answer;  // out, at most 255 characters
};

struct UserInfoRequest {
    std::int32_t Options[2] = {};
    // Up to six texts; Wanted[i] false for an event field naming no variable. In: the
    // variables' values; out: what the user typed.
    bool Wanted[6] = {};
    std::string Values[6];
};

struct UninstallerRequest {
    std::int32_t ShowBanner = 0;
    std::int32_t AppendLog = 0;
    std::string ShortcutGroup;  // may be empty: no shortcut
    std::string BackDirectory;
    std::string ShortcutIcon;
    // Auxiliary file for the Windows directory; the second, for the back directory, may be
    // absent.
    const DistributionEntry* WindowsFile = nullptr;
    const DistributionEntry* BackFile = nullptr;
};

struct MessageWindowRequest {
    std::int32_t First = 0;
    std::int32_t Second = 0;
    std::int32_t Long = 0;
    std::string Title;
    std::string Text;
};

enum class BannerKind : std::int32_t { First = 0, Second = 1, Third = 2, Uninstaller = 3 };

class ControllerServices : public ErrorReport {
  public:
    // Whether nobody watches: every question takes its default answer and nothing waits for a
    // person (the "/S" switch of the launcher).
    virtual bool Unattended() const = 0;

    // Handed to the Installer before each event runs; stamped on the records the event causes.
    virtual void SetUndoClass(std::int32_t undoClass) = 0;

    // Files.
    virtual bool InstallFile(FileRequest& request) = 0;  // with retry and minimum time
    virtual bool InstallUninstaller(const UninstallerRequest& request) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
    // Not "CopyFile": the system headers make that name a macro.
    virtual bool CopyPlainFile(const std::string& from, const std::string& to) = 0;
    virtual bool DeletePath(const std::string& path) = 0;
    virtual bool MakeDirectory(const std::string& path) = 0;

    // System changes.
    virtual bool WriteIni(const IniRequest& request) = 0;
    virtual bool WriteRegistry(const RegistryValueRequest& request) = 0;
    virtual bool CreateItem(const ItemRequest& request) = 0;
    virtual bool DeleteItem(const std::string& group, const std::string& item) = 0;
    virtual bool DeleteGroup(const std::string& group) = 0;

    // Programs and questions.
    virtual bool ExecuteProgram(ExecuteRequest& request) = 0;
    virtual CompletionAnswer SetCompletion(CompletionRequest& request) = 0;
    // The run's completion status as the completion events left it (0 before any).
    virtual std::int32_t CompletionStatus() = 0;
    virtual bool ShowMessage(MessageRequest& request) = 0;
    virtual bool AskThreeButtons(MessageRequest& request) = 0;
    virtual bool PromptText(PromptRequest& request) = 0;
    virtual bool AskUserInfo(UserInfoRequest& request) = 0;
    // Yes means abort.
    virtual bool AbortQuery() = 0;

    // Queries.
    virtual bool CompareTexts(CompareRequest& request) = 0;
    virtual bool ReadIniEntry(ReadIniEntryRequest& request) = 0;
    virtual bool ReadRegistryValue(ReadRegistryRequest& request) = 0;
    virtual void WindowsVersion(std::int32_t& major, std::int32_t& minor) = 0;
    virtual std::int32_t Processor() = 0;
    virtual void FirstCdRom(CdRomRequest& request) = 0;
    virtual std::int32_t ArgumentCount() = 0;
    // "No argument at %d" when there is no argument `index` (from 1).
    virtual bool Argument(std::int32_t index, std::string& text) = 0;
    virtual std::string SourceDirectory() = 0;
    virtual std::string WindowsDirectory() = 0;
    virtual std::string SystemDirectory() = 0;
    virtual std::string OwnDirectory() = 0;
    virtual std::int32_t LanguageIndex() = 0;
    virtual std::int32_t DiskSpaceNeeded() = 0;

    // Progress window and gauge (units are KiB).
    virtual bool BeginProgress(std::int32_t first, std::int32_t second, std::int32_t third) = 0;
    virtual void EndProgress() = 0;
    // Moves the gauge by `units` in steps of at most 2 units (a skipped InstallFiles).
    virtual void AdvanceProgress(std::uint32_t units) = 0;

    // Banners and the message window.
    virtual void ShowBanner(BannerKind kind) = 0;
    virtual void HideBanner(BannerKind kind) = 0;
    virtual void ShowMessageWindow(const MessageWindowRequest& request) = 0;
    virtual void HideMessageWindow() = 0;

    // Lets pending window messages run.
    virtual void ProcessMessages() = 0;
};

}  // namespace aw
