#include "installer/script/events/event_classes.h"

#include <memory>

#include "installer/script/events/custom_events.h"
#include "installer/script/events/dialog_events.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/events/family_events.h"
#include "installer/script/events/file_events.h"
#include "installer/script/events/program_manager_events.h"
#include "installer/script/events/system_events.h"
#include "installer/script/events/window_events.h"

namespace aw {
namespace {

template <class Class>
bool RegisterClass(EventRegistry& registry, const char* name) {
    return registry.Register(Class::Type, name, [] { return std::make_unique<Class>(); });
}

// The class's own name is the name a dump shows.
#define AW_REGISTER(Class) RegisterClass<Class>(registry, #Class)

}  // namespace

// Every code from 0 to 53 except 13, in code order.
bool RegisterEventClasses(EventRegistry& registry) {
    return AW_REGISTER(CustomNote) && AW_REGISTER(AskUserInfo) && AW_REGISTER(CustomStep) &&
           AW_REGISTER(InstallFiles) && AW_REGISTER(CreateItem) && AW_REGISTER(WriteIni) &&
           AW_REGISTER(WriteRegistry) && AW_REGISTER(RunProgram) && AW_REGISTER(SetCompletion) &&
           AW_REGISTER(CustomHook) && AW_REGISTER(CustomValue) && AW_REGISTER(ShowMessage) &&
           AW_REGISTER(PromptText) && AW_REGISTER(GetWindowsDir) && AW_REGISTER(GetSystemDir) &&
           AW_REGISTER(GetOwnDir) && AW_REGISTER(FindCdRom) && AW_REGISTER(GetRequiredSpace) &&
           AW_REGISTER(SetText) && AW_REGISTER(SetInteger) && AW_REGISTER(CompareTexts) &&
           AW_REGISTER(SearchFile) && AW_REGISTER(ReadIni) && AW_REGISTER(ReadRegistry) &&
           AW_REGISTER(IntegerToText) && AW_REGISTER(TextToInteger) && AW_REGISTER(SplitPath) &&
           AW_REGISTER(AskYesNo) && AW_REGISTER(GetWindowsVersion) && AW_REGISTER(GetProcessor) &&
           AW_REGISTER(QueryOne) && AW_REGISTER(QueryTwo) && AW_REGISTER(BeginProgress) &&
           AW_REGISTER(EndProgress) && AW_REGISTER(ShowBanner1) && AW_REGISTER(HideBanner1) &&
           AW_REGISTER(ShowBanner2) && AW_REGISTER(HideBanner2) && AW_REGISTER(ShowBanner3) &&
           AW_REGISTER(HideBanner3) && AW_REGISTER(InstallUninstaller) && AW_REGISTER(RenameFile) &&
           AW_REGISTER(DeletePath) && AW_REGISTER(BackupFile) && AW_REGISTER(DeleteItem) &&
           AW_REGISTER(GetLanguage) && AW_REGISTER(MakeDir) && AW_REGISTER(ShowUserDialog) &&
           AW_REGISTER(ShowMessageWindow) && AW_REGISTER(HideMessageWindow) &&
           AW_REGISTER(GetArgCount) && AW_REGISTER(GetArg) && AW_REGISTER(DeleteGroup);
}

}  // namespace aw
