#include "installer/script/host/event_executor.h"

#include "installer/controller/run/controller_services.h"

namespace aw {

EventExecutor::EventExecutor(ControllerServices& services, ScriptEnvironment& environment,
                             EventSupport support)
    : services_(services), fields_(environment), support_(support) {}

// An event whose class does not match its type code was not made by the event registry: the
// step is skipped as for a code without a class.
template <class Kind>
bool EventExecutor::RunAs(Event& event) {
    auto* typed = dynamic_cast<Kind*>(&event);
    if (typed == nullptr) {
        services_.CheckFailed("AWTEST", __LINE__);
        return true;
    }
    return Run(*typed);
}

#define AW_KIND(Class) \
    case Class::Type:  \
        return RunAs<Class>(event)

bool EventExecutor::Execute(Event& event, std::int32_t& status) {
    status = 1;
    switch (event.TypeCode()) {
        // The builder's handler runs these; met here, they end the run.
        case CustomNote::Type:
        case CustomStep::Type:
        case CustomValue::Type:
            return false;
        case SetCompletion::Type: {
            auto* completion = dynamic_cast<SetCompletion*>(&event);
            if (completion == nullptr) {
                services_.CheckFailed("AWTEST", __LINE__);
                return true;
            }
            return Run(*completion, status);
        }
            AW_KIND(AskUserInfo);
            AW_KIND(InstallFiles);
            AW_KIND(CreateItem);
            AW_KIND(WriteIni);
            AW_KIND(WriteRegistry);
            AW_KIND(RunProgram);
            AW_KIND(ShowMessage);
            AW_KIND(PromptText);
            AW_KIND(GetWindowsDir);
            AW_KIND(GetSystemDir);
            AW_KIND(GetOwnDir);
            AW_KIND(FindCdRom);
            AW_KIND(GetRequiredSpace);
            AW_KIND(SetText);
            AW_KIND(SetInteger);
            AW_KIND(CompareTexts);
            AW_KIND(SearchFile);
            AW_KIND(ReadIni);
            AW_KIND(ReadRegistry);
            AW_KIND(IntegerToText);
            AW_KIND(TextToInteger);
            AW_KIND(SplitPath);
            AW_KIND(AskYesNo);
            AW_KIND(GetWindowsVersion);
            AW_KIND(GetProcessor);
            AW_KIND(QueryOne);
            AW_KIND(QueryTwo);
            AW_KIND(BeginProgress);
            AW_KIND(InstallUninstaller);
            AW_KIND(RenameFile);
            AW_KIND(DeletePath);
            AW_KIND(BackupFile);
            AW_KIND(DeleteItem);
            AW_KIND(GetLanguage);
            AW_KIND(MakeDir);
            AW_KIND(ShowUserDialog);
            AW_KIND(ShowMessageWindow);
            AW_KIND(GetArgCount);
            AW_KIND(GetArg);
            AW_KIND(DeleteGroup);
        case EndProgress::Type:
        case ShowBanner1::Type:
        case HideBanner1::Type:
        case ShowBanner2::Type:
        case HideBanner2::Type:
        case ShowBanner3::Type:
        case HideBanner3::Type:
        case HideMessageWindow::Type:
            return ExecuteWindow(event.TypeCode());
        default:
            // 9, 13 and codes outside the catalogue never reach here from a sound script.
            services_.CheckFailed("AWTEST", __LINE__);
            return true;
    }
}

#undef AW_KIND

}  // namespace aw
