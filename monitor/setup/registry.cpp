#include "monitor/setup/registry.h"

namespace lw {

std::string StringOf(const std::optional<RegistryValue>& value) {
    if (!value || value->type != kRegistryString) {
        return {};
    }
    std::string text(value->data.begin(), value->data.end());
    const std::size_t end = text.find('\0');
    return end == std::string::npos ? text : text.substr(0, end);
}

RegistryValue StringValue(const std::string& text) {
    RegistryValue value{kRegistryString, {text.begin(), text.end()}};
    value.data.push_back(0);
    return value;
}

}  // namespace lw
