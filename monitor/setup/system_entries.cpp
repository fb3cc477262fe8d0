#include "monitor/setup/system_entries.h"

namespace lw {

std::optional<bool> ReadStartupEntry(Registry& registry, const std::string& shortProgramPath) {
    const auto key = registry.Open(RegistryRoot::LocalMachine, kRunKey);
    if (!key) {
        return std::nullopt;
    }
    return StringOf(key->Read(kRunValue)) == shortProgramPath;
}

void WriteStartupEntry(Registry& registry, bool on, const std::string& shortProgramPath) {
    const auto key = registry.Open(RegistryRoot::LocalMachine, kRunKey);
    if (!key) {
        return;
    }
    if (on) {
        key->Write(kRunValue, StringValue(shortProgramPath));
    } else {
        key->Delete(kRunValue);
    }
}

std::uint32_t DialUiNumber(const std::optional<RegistryValue>& value) {
    if (!value) {
        return 0;
    }
    if (value->type != kRegistryBinary) {
        throw RegistryError("The registry value \"DialUI\" is not binary data");
    }
    if (value->data.size() > 4) {
        throw RegistryError("The registry value \"DialUI\" is longer than 4 bytes");
    }
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < value->data.size(); ++i) {
        number |= std::uint32_t{value->data[i]} << (8 * i);
    }
    return number;
}

RegistryValue DialUiWithHideBit(std::uint32_t number, bool hide) {
    number = hide ? number | kHideModemIconBit : number & ~kHideModemIconBit;
    RegistryValue value{kRegistryBinary, {}};
    for (int i = 0; i < 4; ++i) {
        value.data.push_back(static_cast<std::uint8_t>(number >> (8 * i)));
    }
    return value;
}

std::optional<bool> ReadModemIconHidden(Registry& registry) {
    const auto key = registry.Open(RegistryRoot::CurrentUser, kRemoteAccessKey);
    if (!key) {
        return std::nullopt;
    }
    return (DialUiNumber(key->Read(kDialUiValue)) & kHideModemIconBit) != 0;
}

void WriteModemIconHidden(Registry& registry, bool hide) {
    const auto key = registry.Open(RegistryRoot::CurrentUser, kRemoteAccessKey);
    if (!key) {
        return;
    }
    key->Write(kDialUiValue, DialUiWithHideBit(DialUiNumber(key->Read(kDialUiValue)), hide));
}

}  // namespace lw
