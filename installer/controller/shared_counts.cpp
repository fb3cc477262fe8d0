#include "installer/controller/shared_counts.h"

#include "installer/controller/install_paths.h"
#include "installer/controller/text_case.h"

namespace aw {

std::optional<std::uint32_t> SharedCountOf(const std::optional<RegistryValue>& value) {
    if (!value) {
        return 0;
    }
    if ((value->Type != kRegBytes && value->Type != kRegNumber) || value->Data.size() != 4) {
        return std::nullopt;
    }
    const std::vector<std::uint8_t>& b = value->Data;
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

RegistryValue SharedCountValue(std::uint32_t count, const std::optional<RegistryValue>& old) {
    RegistryValue value;
    value.Type = old ? old->Type : kRegBytes;
    for (int shift = 0; shift < 32; shift += 8) {
        value.Data.push_back(static_cast<std::uint8_t>(count >> shift));
    }
    return value;
}

namespace {

bool InOrBelow(const std::string& directory, const std::string& root) {
    if (root.empty()) {
        return false;
    }
    const std::string base = root.back() == '\\' ? root.substr(0, root.size() - 1) : root;
    return EqualIgnoringCase(directory, base) ||
           (directory.size() > base.size() && directory[base.size()] == '\\' &&
            EqualIgnoringCase(directory.substr(0, base.size()), base));
}

}  // namespace

bool CountedLocation(const std::string& path, const std::string& systemDirectory,
                     const std::string& commonFilesDirectory) {
    const std::string directory = DirectoryPart(path);
    return InOrBelow(directory, systemDirectory) || InOrBelow(directory, commonFilesDirectory);
}

std::string CommonFilesDirectory(const std::optional<RegistryValue>& value,
                                 const std::string& systemDirectory) {
    if (!value || (value->Type != kRegText && value->Type != kRegExpandableText) ||
        value->Data.empty()) {
        return systemDirectory;
    }
    std::string text(value->Data.begin(), value->Data.end());
    text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
    return text.empty() ? systemDirectory : text;
}

}  // namespace aw
