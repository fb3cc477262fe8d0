// The events that compute or look up a value and store it into a variable.
#include <algorithm>
#include <iterator>

#include "installer/controller/install_paths.h"
#include "installer/controller/run/controller_services.h"
#include "installer/script/host/event_executor.h"
#include "installer/script/host/event_texts.h"

namespace aw {

bool EventExecutor::StoreInteger(const std::string& variable, std::int32_t value) {
    std::int32_t* target = nullptr;
    if (!fields_.Integer(variable, target)) {
        return false;
    }
    *target = value;
    return true;
}

bool EventExecutor::Run(GetWindowsDir& event) {
    TextVariable* target = nullptr;
    return fields_.Text(event.Variable, target) &&
           fields_.Store(target, services_.WindowsDirectory());
}

bool EventExecutor::Run(GetSystemDir& event) {
    TextVariable* target = nullptr;
    return fields_.Text(event.Variable, target) &&
           fields_.Store(target, services_.SystemDirectory());
}

bool EventExecutor::Run(GetOwnDir& event) {
    TextVariable* target = nullptr;
    return fields_.Text(event.Variable, target) && fields_.Store(target, services_.OwnDirectory());
}

bool EventExecutor::Run(FindCdRom& event) {
    std::int32_t* found = nullptr;
    TextVariable* root = nullptr;
    if (!fields_.OptionalInteger(event.FoundVariable, found) ||
        !fields_.OptionalText(event.RootVariable, root)) {
        return false;
    }
    CdRomRequest request;
    services_.FirstCdRom(request);
    EventFields::Store(found, request.Found ? 1 : 0);
    return fields_.Store(root, request.Root);
}

bool EventExecutor::Run(GetRequiredSpace& event) {
    std::int32_t* target = nullptr;
    if (!fields_.Integer(event.Variable, target)) {
        return false;
    }
    *target = services_.DiskSpaceNeeded();
    return true;
}

bool EventExecutor::Run(SetText& event) {
    TextVariable* target = nullptr;
    std::string value;
    return fields_.Text(event.Variable, target) &&
           fields_.Expand(event.Value, TextVariable::kBufferSize, value) &&
           fields_.Store(target, value);
}

bool EventExecutor::Run(SetInteger& event) {
    std::int32_t* target = nullptr;
    std::int32_t value = 0;
    if (!fields_.Integer(event.Variable, target) || !fields_.Evaluate(event.Value, value)) {
        return false;
    }
    *target = value;
    return true;
}

bool EventExecutor::Run(CompareTexts& event) {
    std::int32_t* target = nullptr;
    CompareRequest request;
    request.CaseFlag = event.CaseSensitive;
    if (!fields_.Integer(event.Variable, target) ||
        !fields_.Expand(event.First, 512, request.First) ||
        !fields_.Expand(event.Second, 512, request.Second) || !services_.CompareTexts(request)) {
        return false;
    }
    *target = request.Result;
    return true;
}

bool EventExecutor::Run(IntegerToText& event) {
    TextVariable* target = nullptr;
    std::int32_t value = 0;
    if (!fields_.Text(event.Variable, target) || !fields_.Evaluate(event.Value, value)) {
        return false;
    }
    return fields_.Store(target, std::to_string(value));
}

bool EventExecutor::Run(TextToInteger& event) {
    std::int32_t* target = nullptr;
    std::string text;
    if (!fields_.Integer(event.Variable, target) ||
        !fields_.Expand(event.Value, TextVariable::kBufferSize, text)) {
        return false;
    }
    const auto value = ReadWholeInteger(text);
    if (!value) {
        fields_.ReportError(kUnableToConvertMessage, text);
        return false;
    }
    *target = *value;
    return true;
}

bool EventExecutor::Run(SplitPath& event) {
    TextVariable* directory = nullptr;
    TextVariable* file = nullptr;
    std::string path;
    if (!fields_.OptionalText(event.DirectoryVariable, directory) ||
        !fields_.OptionalText(event.FileVariable, file) || !fields_.Expand(event.Path, 260, path)) {
        return false;
    }
    return fields_.Store(directory, DirectoryPart(path)) && fields_.Store(file, FileNamePart(path));
}

bool EventExecutor::Run(GetWindowsVersion& event) {
    std::int32_t* major = nullptr;
    std::int32_t* minor = nullptr;
    if (!fields_.OptionalInteger(event.Variable, major) ||
        !fields_.OptionalInteger(event.Value, minor)) {
        return false;
    }
    std::int32_t majorValue = 0;
    std::int32_t minorValue = 0;
    services_.WindowsVersion(majorValue, minorValue);
    EventFields::Store(major, majorValue);
    EventFields::Store(minor, minorValue);
    return true;
}

bool EventExecutor::Run(GetProcessor& event) {
    return StoreInteger(event.Variable, services_.Processor());
}

// The two constant queries stand for checks the installer always passes.
bool EventExecutor::Run(QueryOne& event) {
    return StoreInteger(event.Variable, 1);
}

bool EventExecutor::Run(QueryTwo& event) {
    return StoreInteger(event.Variable, 1);
}

bool EventExecutor::Run(GetLanguage& event) {
    return StoreInteger(event.Variable, services_.LanguageIndex());
}

bool EventExecutor::Run(GetArgCount& event) {
    return StoreInteger(event.Variable, services_.ArgumentCount());
}

bool EventExecutor::Run(GetArg& event) {
    TextVariable* target = nullptr;
    std::int32_t index = 0;
    std::string argument;
    return fields_.Text(event.Variable, target) && fields_.Evaluate(event.Value, index) &&
           services_.Argument(index, argument) && fields_.Store(target, argument);
}

bool EventExecutor::Run(SearchFile& event) {
    std::int32_t* found = nullptr;
    TextVariable* path = nullptr;
    SearchRequest request;
    const std::int32_t ints[] = {event.WindowKind,  event.Where,         event.CdRomDrives,
                                 event.FixedDrives, event.NetworkDrives, event.Recurse};
    std::copy(std::begin(ints), std::end(ints), request.Ints);
    if (!fields_.OptionalInteger(event.FoundVariable, found) ||
        !fields_.OptionalText(event.PathVariable, path) ||
        !fields_.Expand(event.Directory, 260, request.Directory) ||
        !fields_.Expand(event.Pattern, 256, request.Pattern) || !support_.Search.Search(request)) {
        return false;
    }
    EventFields::Store(found, request.Found ? 1 : 0);
    return fields_.Store(path, request.Path);
}

bool EventExecutor::Run(ReadIni& event) {
    std::int32_t* found = nullptr;
    TextVariable* value = nullptr;
    ReadIniEntryRequest request;
    if (!fields_.OptionalInteger(event.FoundVariable, found) ||
        !fields_.OptionalText(event.ValueVariable, value) ||
        !fields_.Expand(event.Directory, 260, request.Directory) ||
        !fields_.Expand(event.File, 260, request.File) ||
        !fields_.Expand(event.Section, 256, request.Section) ||
        !fields_.Expand(event.Entry, 256, request.Entry) || !services_.ReadIniEntry(request)) {
        return false;
    }
    EventFields::Store(found, request.Found ? 1 : 0);
    return fields_.Store(value, request.Value);
}

bool EventExecutor::Run(ReadRegistry& event) {
    std::int32_t* found = nullptr;
    TextVariable* value = nullptr;
    ReadRegistryRequest request;
    request.Root = event.Root;
    if (!fields_.OptionalInteger(event.FoundVariable, found) ||
        !fields_.OptionalText(event.ValueVariable, value) ||
        !fields_.Expand(event.Key, 512, request.Key) ||
        !fields_.Expand(event.ValueName, 256, request.ValueName) ||
        !services_.ReadRegistryValue(request)) {
        return false;
    }
    EventFields::Store(found, request.Found ? 1 : 0);
    return fields_.Store(value, request.Value);
}

}  // namespace aw
