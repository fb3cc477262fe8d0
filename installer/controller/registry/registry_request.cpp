#include "installer/controller/registry/registry_request.h"

#include <iterator>

namespace aw {

namespace {

void AppendText(std::vector<std::uint8_t>& data, const std::string& text) {
    data.insert(data.end(), text.begin(), text.end());
    data.push_back(0);
}

}  // namespace

std::optional<RegistryValue> RequestedValue(const RegistryValueRequest& request) {
    RegistryValue value{request.Type, {}};
    switch (request.Type) {
        case kRegText:
        case kRegExpandableText:
            AppendText(value.Data, request.Text);
            return value;
        case kRegBytes:
            value.Data = request.Bytes;
            return value;
        case kRegNumber:
            for (int shift = 0; shift < 32; shift += 8) {
                value.Data.push_back(static_cast<std::uint8_t>(request.Number >> shift));
            }
            return value;
        case kRegTextList:
            for (const std::string& text : request.Texts) {
                AppendText(value.Data, text);
            }
            value.Data.push_back(0);
            return value;
        default:
            return std::nullopt;
    }
}

std::optional<std::int32_t> RootOfEventIndex(std::int32_t index) {
    constexpr std::int32_t kRoots[] = {kClassesRoot, kCurrentUser, kLocalMachine, kUsers,
                                       kCurrentConfig};
    if (index < 0 || index >= static_cast<std::int32_t>(std::size(kRoots))) {
        return std::nullopt;
    }
    return kRoots[index];
}

}  // namespace aw
