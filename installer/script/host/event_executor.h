// Executes one event by its kind: its texts are expanded, its expressions evaluated and its
// variables looked up before anything changes; then it fills one request and calls one of the
// controller's services.
#pragma once

#include <cstdint>

#include "installer/script/events/custom_events.h"
#include "installer/script/events/dialog_events.h"
#include "installer/script/events/family_events.h"
#include "installer/script/events/file_events.h"
#include "installer/script/events/program_manager_events.h"
#include "installer/script/events/system_events.h"
#include "installer/script/events/window_events.h"
#include "installer/script/host/event_fields.h"
#include "installer/script/host/event_support.h"

namespace aw {

class ControllerServices;
struct FileRequest;
struct RegistryValueRequest;

class EventExecutor {
  public:
    EventExecutor(ControllerServices& services, ScriptEnvironment& environment,
                  EventSupport support);

    // False stops the run with `status`: 1 unless the event set another.
    bool Execute(Event& event, std::int32_t& status);

  private:
    template <class Kind>
    bool RunAs(Event& event);

    // Questions and messages (execute_dialogs.cpp).
    bool Run(AskUserInfo& event);
    bool Run(ShowMessage& event);
    bool Run(PromptText& event);
    bool Run(AskYesNo& event);
    bool Run(ShowUserDialog& event);
    bool Run(SetCompletion& event, std::int32_t& status);

    // Variables and queries (execute_queries.cpp).
    bool Run(GetWindowsDir& event);
    bool Run(GetSystemDir& event);
    bool Run(GetOwnDir& event);
    bool Run(FindCdRom& event);
    bool Run(GetRequiredSpace& event);
    bool Run(SetText& event);
    bool Run(SetInteger& event);
    bool Run(CompareTexts& event);
    bool Run(IntegerToText& event);
    bool Run(TextToInteger& event);
    bool Run(SplitPath& event);
    bool Run(GetWindowsVersion& event);
    bool Run(GetProcessor& event);
    bool Run(QueryOne& event);
    bool Run(QueryTwo& event);
    bool Run(GetLanguage& event);
    bool Run(GetArgCount& event);
    bool Run(GetArg& event);
    bool Run(SearchFile& event);
    bool Run(ReadIni& event);
    bool Run(ReadRegistry& event);
    bool StoreInteger(const std::string& variable, std::int32_t value);

    // System changes and programs (execute_system.cpp).
    bool Run(CreateItem& event);
    bool Run(WriteIni& event);
    bool Run(WriteRegistry& event);
    bool Run(RunProgram& event);
    bool Run(DeleteItem& event);
    bool Run(DeleteGroup& event);
    bool RegistryData(const WriteRegistry& event, RegistryValueRequest& request);

    // Files (execute_files.cpp).
    bool Run(InstallFiles& event);
    bool Run(InstallUninstaller& event);
    bool Run(RenameFile& event);
    bool Run(DeletePath& event);
    bool Run(BackupFile& event);
    bool Run(MakeDir& event);
    bool InstallOneFile(const InstallFiles& event, const FileRequest& common);
    bool InstallListedFiles(const InstallFiles& event, const FileRequest& common);
    bool EntryOf(const InstallFileList& list, std::size_t element, const DistributionEntry*& entry);

    // Windows (execute_windows.cpp).
    bool Run(BeginProgress& event);
    bool Run(ShowMessageWindow& event);
    bool ExecuteWindow(std::int32_t typeCode);

    ControllerServices& services_;
    EventFields fields_;
    EventSupport support_;
};

}  // namespace aw
