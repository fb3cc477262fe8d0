// The services that answer the script's questions about the machine and the run: texts
// compared, INI and registry values, the system's version and processor, the first CD-ROM
// drive, the installation's arguments and its directories.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "installer/controller/install_paths.h"
#include "installer/controller/registry/registry_request.h"
#include "installer/controller/run/controller_system.h"
#include "installer/controller/run/controller_texts.h"
#include "installer/controller/run/install_controller.h"

namespace aw {

namespace {

// Comes back for an entry that is not there; no real file holds it.
constexpr char kMissingEntry[] =
    "\x7f"
    "awmain-none\x7f";
static_assert(sizeof kMissingEntry - 1 == 13);
constexpr std::size_t kLongestValue = 255;

int CompareIgnoringCase(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const int x = std::tolower(static_cast<unsigned char>(a[i]));
        const int y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y) {
            return x - y;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::vector<std::string> SplitAtBlanks(const std::string& line) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < line.size()) {
        std::size_t blank = line.find(' ', start);
        if (blank == std::string::npos) {
            blank = line.size();
        }
        if (blank > start) {
            parts.push_back(line.substr(start, blank - start));
        }
        start = blank + 1;
    }
    return parts;
}

// Text values as they are, up to their terminating zero; numbers in decimal.
std::optional<std::string> ValueAsText(const RegistryValue& value) {
    switch (value.Type) {
        case kRegText:
        case kRegExpandableText: {
            const auto* bytes = reinterpret_cast<const char*>(value.Data.data());
            return std::string(bytes, strnlen(bytes, value.Data.size()));
        }
        case kRegNumber: {
            if (value.Data.size() != 4) {
                return std::nullopt;
            }
            const std::uint32_t number = value.Data[0] | value.Data[1] << 8 | value.Data[2] << 16 |
                                         static_cast<std::uint32_t>(value.Data[3]) << 24;
            char text[16];
            std::snprintf(text, sizeof text, "%u", number);
            return std::string(text);
        }
        default:
            return std::nullopt;
    }
}

}  // namespace

bool InstallController::CompareTexts(CompareRequest& request) {
    if (request.CaseFlag == 0) {
        request.Result = CompareIgnoringCase(request.First, request.Second);
    } else {
        request.Result = request.First.compare(request.Second);
    }
    return true;
}

bool InstallController::ReadIniEntry(ReadIniEntryRequest& request) {
    const std::string value = system_.files.ReadProfileEntry(
        JoinPath(request.Directory, request.File), request.Section, request.Entry, kMissingEntry);
    request.Found = value != kMissingEntry;
    request.Value = request.Found ? value.substr(0, kLongestValue) : std::string();
    return true;
}

bool InstallController::ReadRegistryValue(ReadRegistryRequest& request) {
    request.Found = false;
    request.Value.clear();
    const std::optional<std::int32_t> root = RootOfEventIndex(request.Root);
    if (!root) {
        return true;
    }
    const std::optional<RegistryValue> value =
        installer_.ReadValue(RegistryKey{*root, request.Key}, request.ValueName);
    if (!value) {
        return true;
    }
    if (const std::optional<std::string> text = ValueAsText(*value)) {
        request.Found = true;
        request.Value = *text;
    }
    return true;
}

void InstallController::WindowsVersion(std::int32_t& major, std::int32_t& minor) {
    system_.machine.WindowsVersion(major, minor);
}

std::int32_t InstallController::Processor() {
    const std::int32_t family = system_.machine.ProcessorFamily();
    if (family == 386 || family == 486 || family == 586) {
        return family;
    }
    return 0;
}

void InstallController::FirstCdRom(CdRomRequest& request) {
    request.Found = false;
    request.Root.clear();
    for (char drive = 'A'; drive <= 'Z'; ++drive) {
        const std::string root = std::string(1, drive) + ":\\";
        if (system_.machine.DriveTypeOf(root) == DriveType::CdRom) {
            request.Found = true;
            request.Root = root;
            return;
        }
    }
}

std::int32_t InstallController::ArgumentCount() {
    return static_cast<std::int32_t>(SplitAtBlanks(arguments_).size());
}

bool InstallController::Argument(std::int32_t index, std::string& text) {
    const std::vector<std::string> arguments = SplitAtBlanks(arguments_);
    if (index < 1 || static_cast<std::size_t>(index) > arguments.size()) {
        ReportFormatted(message::kNoArgument, index);
        return false;
    }
    text = arguments[static_cast<std::size_t>(index) - 1];
    return true;
}

std::string InstallController::WindowsDirectory() {
    return system_.files.WindowsDirectory();
}

std::string InstallController::SystemDirectory() {
    return system_.files.SystemDirectory();
}

}  // namespace aw
