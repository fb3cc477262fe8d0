#include "installer/controller/shared_counts.h"

#include "installer/controller/install_paths.h"

namespace aw {

std::optional<std::uint32_t> SharedCountOf(const std::optional<RegistryData>& value) {
    if (!value) {
        return 0;
    }
    if ((value->Type != kBytesValue && value->Type != kDoubleWordValue) ||
        value->Bytes.size() != 4) {
        return std::nullopt;
    }
    const std::vector<std::uint8_t>& b = value->Bytes;
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

RegistryData SharedCountValue(std::uint32_t count, const std::optional<RegistryData>& old) {
    RegistryData data;
    data.Type = old ? old->Type : kBytesValue;
    for (int shift = 0; shift < 32; shift += 8) {
        data.Bytes.push_back(static_cast<std::uint8_t>(count >> shift));
    }
    return data;
}

namespace {

bool InOrBelow(const std::string& directory, const std::string& root) {
    if (root.empty()) {
        return false;
    }
    const std::string base = root.back() == '\\' ? root.substr(0, root.size() - 1) : root;
    return SamePath(directory, base) ||
           (directory.size() > base.size() && directory[base.size()] == '\\' &&
            SamePath(directory.substr(0, base.size()), base));
}

}  // namespace

bool CountedLocation(const std::string& path, const std::string& systemDirectory,
                     const std::string& commonFilesDirectory) {
    const std::string directory = DirectoryPart(path);
    return InOrBelow(directory, systemDirectory) || InOrBelow(directory, commonFilesDirectory);
}

std::string CommonFilesDirectory(const std::optional<RegistryData>& value,
                                 const std::string& systemDirectory) {
    if (!value || (value->Type != kTextValue && value->Type != 2) || value->Bytes.empty()) {
        return systemDirectory;
    }
    std::string text(value->Bytes.begin(), value->Bytes.end());
    text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
    return text.empty() ? systemDirectory : text;
}

}  // namespace aw
