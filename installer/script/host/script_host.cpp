#include "installer/script/host/script_host.h"

#include "installer/controller/run/controller_system.h"

#include "installer/script/events/event_classes.h"
#include "installer/script/model/script_loader.h"
#include "installer/script/variables/messages.h"

namespace aw {
namespace {

// The custom events that the host's handler answers, by their position in the list.
constexpr std::int32_t kWelcomePosition = 2;
constexpr std::int32_t kSelectionPosition = 4;
// The uninstaller takes at least this long per undone record.
constexpr std::int32_t kUninstallPacing = 100;

}  // namespace

ScriptHost::ScriptHost(ControllerSystem& system, ScriptHostParts parts)
    : InstallController(system),
      parts_(parts),
      machine_(system.files, system.machine, parts.environment),
      directories_(*this),
      environment_(*this, directories_, parts.outputFiles),
      dialogs_(script_, environment_, *this, parts.windows),
      search_(*this, parts.windows, machine_),
      components_(script_, environment_, *this, parts.windows, machine_, SelectionFlags()),
      executor_(*this, environment_, EventSupport{dialogs_, search_, diskMap_, parts.wholeFiles}),
      interpreter_(script_, SelectionFlags(), *this, environment_, executor_, *this) {}

ScriptHost::~ScriptHost() = default;

std::int32_t ScriptHost::RunScript() {
    return interpreter_.Run([this] { return parts_.windows.TakeExitRequest(); });
}

// The registry is filled afresh for every load.
bool ScriptHost::LoadScript() {
    registry_ = std::make_unique<EventRegistry>(*this);
    if (!RegisterEventClasses(*registry_)) {
        CheckFailed("AWTEST", __LINE__);
    }
    return aw::LoadScript(parts_.scriptFiles, *registry_, *this, script_);
}

void ScriptHost::UnloadScript() {
    script_ = InstallScript{};
    registry_.reset();
}

void ScriptHost::ScriptLongs(std::int32_t& first, std::int32_t& second) {
    first = script_.Info.LogValues[0];
    second = script_.Info.LogValues[1];
}

void ScriptHost::UninstallSettings(std::int32_t& dialogStyle, std::int32_t& pacing) {
    dialogStyle = script_.Progress.LogValue;
    pacing = kUninstallPacing;
}

bool ScriptHost::UseThreeDimensionalControls() {
    return script_.Info.Controls3D != 0;
}

bool ScriptHost::ProductName(std::string& name) {
    name = script_.Info.ProductName;
    return script_.Loaded;
}

bool ScriptHost::ShellCloseFlag() {
    return script_.Info.ShellClose != 0;
}

bool ScriptHost::DiskMap(std::vector<DistributionEntry>& entries, std::int32_t& mapValue) {
    if (!diskMap_.Build(script_, *this)) {
        return false;
    }
    entries = diskMap_.Entries();
    mapValue = diskMap_.MapValue();
    return true;
}

const LanguageSet& ScriptHost::AcquireLanguageSet() {
    return script_.Languages;
}

// The set belongs to the script, which keeps it until it is unloaded.
void ScriptHost::ReleaseLanguageSet() {}

bool ScriptHost::CreateInstallScreen() {
    return parts_.windows.CreateInstallScreen(script_.Screen, script_.Info.ProductName);
}

void ScriptHost::DestroyInstallScreen() {
    parts_.windows.DestroyInstallScreen();
}

bool ScriptHost::SelectionRange(std::int32_t& first, std::int32_t& last) {
    return ProgressRange(script_, first, last);
}

Event* ScriptHost::EventAt(std::int32_t position) {
    Event* event = script_.Events.At(position);
    if (event == nullptr) {
        CheckFailed("AWTEST", __LINE__);
    }
    return event;
}

std::uint32_t ScriptHost::EventSizeKiB(std::int32_t event) {
    Event* found = EventAt(event);
    return found == nullptr ? 0 : found->SizeKiB(*this);
}

std::uint32_t ScriptHost::EventRequiredSize(std::int32_t event) {
    Event* found = EventAt(event);
    return found == nullptr ? 0 : found->RequiredSize(*this);
}

std::int32_t ScriptHost::EventCount() {
    return static_cast<std::int32_t>(script_.Events.Size());
}

bool ScriptHost::EventComponentBound(std::int32_t event) {
    Event* found = EventAt(event);
    return found != nullptr && found->ComponentBound != 0;
}

std::int32_t ScriptHost::ComponentCount() {
    return static_cast<std::int32_t>(script_.Components.Size());
}

std::int32_t ScriptHost::BillboardCount() {
    return dialogs_.BillboardCount();
}

void ScriptHost::ShowBillboard(std::int32_t index) {
    dialogs_.ShowBillboard(index);
}

void ScriptHost::HideBillboard() {
    dialogs_.HideBillboard();
}

bool ScriptHost::BillboardShown() {
    return dialogs_.BillboardShown();
}

std::int32_t ScriptHost::MinimumMillisecondsPerFile() {
    return script_.Info.First;
}

StepOutcome ScriptHost::HandleCustom(Event& event, std::int32_t position, std::int32_t& status) {
    (void)event;
    switch (position) {
        case kWelcomePosition:
            return Welcome(status);
        case kSelectionPosition:
            return components_.Run();
        default:
            return StepOutcome::Continue;
    }
}

StepOutcome ScriptHost::Welcome(std::int32_t& status) {
    if (Unattended()) {
        return StepOutcome::Continue;
    }
    const std::string& product = script_.Info.ProductName;
    switch (parts_.windows.AskWelcome(product, WithArgument(kWelcomeText, product))) {
        case WelcomeAnswer::Continue:
            return StepOutcome::Continue;
        case WelcomeAnswer::Exit:
            status = 1;
            return StepOutcome::Stop;
        case WelcomeAnswer::Settings:
            parts_.windows.ShowSettings(product, SettingsText());
            status = 0;
            return StepOutcome::Stop;
    }
    return StepOutcome::Continue;
}

// What the installation-settings dialog tells: where it installs from and what it holds.
std::string ScriptHost::SettingsText() {
    std::uint64_t kib = 0;
    for (std::int32_t n = 0; n < EventCount(); ++n) {
        kib += EventRequiredSize(n);
    }
    return "Product: " + script_.Info.ProductName + "\r\nInstalled from: " + SourceDirectory() +
           "\r\nInstaller directory: " + OwnDirectory() +
           "\r\nSteps: " + std::to_string(EventCount()) +
           "\r\nComponents: " + std::to_string(ComponentCount()) +
           "\r\nFiles: " + std::to_string(kib) + " KiB";
}

}  // namespace aw
