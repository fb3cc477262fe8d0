// The events that change the system: INI entries, registry values, Program Manager items, and
// the programs the script starts.
#include "installer/controller/registry/registry_request.h"
#include "installer/controller/run/controller_services.h"
#include "installer/script/host/event_executor.h"
#include "installer/script/host/event_texts.h"

namespace aw {
namespace {

// The event's value types, as the builder numbers them.
enum ValueKind : std::int32_t {
    kTextValue = 0,
    kExpandableValue = 1,
    kNumberValue = 2,
    kHexValue = 3,
    kFileValue = 4,
    kMultiTextValue = 5,
    kNoValue = 6,
};

constexpr std::size_t kRegistryTextSize = 1024;

// The modes of the INI event, as the flags of the request.
void SetIniMode(std::int32_t mode, IniRequest& request) {
    request.Mode = 1;
    request.ReplaceExisting = 0;
    request.SkipIfValuePresent = 1;
    switch (mode) {
        case 0:
            request.Mode = 0;
            request.ReplaceExisting = 1;
            break;
        case 1:
            request.Mode = 1;
            request.SkipIfValuePresent = 1;
            break;
        case 2:
            request.Mode = 1;
            request.SkipIfValuePresent = 0;
            break;
        case 3:
            request.Mode = 0;
            request.ReplaceExisting = 0;
            break;
        default:
            break;
    }
}

}  // namespace

bool EventExecutor::Run(CreateItem& event) {
    ItemRequest request;
    request.Item.IconIndex = event.First;
    request.Item.RunMinimised = event.Second;
    return fields_.Expand(event.Group, 60, request.Group) &&
           fields_.Expand(event.Item, 64, request.Item.Name) &&
           fields_.Expand(event.CommandLine, 512, request.Item.CommandLine) &&
           fields_.Expand(event.IconFile, 260, request.Item.IconFile) &&
           fields_.Expand(event.WorkingDirectory, 260, request.Item.WorkingDirectory) &&
           services_.CreateItem(request);
}

bool EventExecutor::Run(DeleteItem& event) {
    std::string group;
    std::string item;
    return fields_.Expand(event.Group, 60, group) && fields_.Expand(event.Item, 64, item) &&
           services_.DeleteItem(group, item);
}

bool EventExecutor::Run(DeleteGroup& event) {
    std::string group;
    return fields_.Expand(event.Group, 60, group) && services_.DeleteGroup(group);
}

bool EventExecutor::Run(WriteIni& event) {
    IniRequest request;
    request.Position = 1000;
    SetIniMode(event.Mode, request);
    return fields_.Expand(event.File, 260, request.File) &&
           fields_.Expand(event.Section, 256, request.Section) &&
           fields_.Expand(event.Entry, 256, request.Entry) &&
           fields_.Expand(event.Value, 256, request.Value) && services_.WriteIni(request);
}

bool EventExecutor::Run(WriteRegistry& event) {
    RegistryValueRequest request;
    const auto root = RootOfEventIndex(event.Root);
    if (!root) {
        services_.CheckFailed("EVENT", __LINE__);
        return false;
    }
    request.Key.Root = *root;
    return fields_.Expand(event.Key, 512, request.Key.Path) &&
           fields_.Expand(event.ValueName, 256, request.Name) && RegistryData(event, request) &&
           services_.WriteRegistry(request);
}

bool EventExecutor::RegistryData(const WriteRegistry& event, RegistryValueRequest& request) {
    std::string value;
    switch (event.ValueType) {
        case kTextValue:
        case kExpandableValue:
            request.Type = event.ValueType == kTextValue ? kRegText : kRegExpandableText;
            return fields_.Expand(event.Value, kRegistryTextSize, request.Text);
        case kNumberValue: {
            std::int32_t number = 0;
            if (!fields_.Evaluate(event.Value, number)) {
                return false;
            }
            request.Type = kRegNumber;
            request.Number = static_cast<std::uint32_t>(number);
            return true;
        }
        case kHexValue: {
            if (!fields_.Expand(event.Value, kRegistryTextSize, value)) {
                return false;
            }
            auto bytes = ReadHexPairs(value);
            if (!bytes) {
                fields_.ReportError(kBadHexBytesMessage, value);
                return false;
            }
            request.Type = kRegBytes;
            request.Bytes = std::move(*bytes);
            return true;
        }
        case kFileValue:
            if (!fields_.Expand(event.Value, 260, value)) {
                return false;
            }
            if (!support_.Files.Read(value, request.Bytes)) {
                fields_.ReportError(kUnableToOpenMessage, value);
                return false;
            }
            request.Type = kRegBytes;
            return true;
        case kMultiTextValue:
            if (!fields_.Expand(event.Value, kRegistryTextSize, value)) {
                return false;
            }
            request.Type = kRegTextList;
            request.Texts = MultiStringTexts(value);
            return true;
        case kNoValue:
            request.Type = kRegNone;
            return true;
        default:
            services_.CheckFailed("EVENT", __LINE__);
            return false;
    }
}

bool EventExecutor::Run(RunProgram& event) {
    std::int32_t* exitCode = nullptr;
    ExecuteRequest request;
    request.Kind = event.Kind;
    // Normal, minimised and maximised as the show-window values 1, 2 and 3.
    request.ShowWindow =
        event.WindowState >= 0 && event.WindowState <= 2 ? event.WindowState + 1 : 1;
    request.ThroughShell = event.ThroughShell;
    if (!fields_.OptionalInteger(event.ExitCodeVariable, exitCode) ||
        !fields_.Expand(event.WindowClass, 128, request.WindowClass) ||
        !fields_.Expand(event.WindowTitle, 128, request.WindowTitle) ||
        !fields_.Expand(event.CommandLine, 512, request.CommandLine) ||
        !fields_.Expand(event.WorkingDirectory, 260, request.WorkingDirectory) ||
        !services_.ExecuteProgram(request)) {
        return false;
    }
    EventFields::Store(exitCode, static_cast<std::int32_t>(request.ExitCode));
    return true;
}

}  // namespace aw
