// What the settings dialog changes in the system rather than in the settings: the program's
// start-up entry under "Run" and the dial-up networking's "hide the modem icon" bit.
// Neither key is ever created; when one cannot be opened the box keeps its state.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "monitor/setup/registry.h"

namespace lw {

inline constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValue = "LineWink";
inline constexpr const char* kRemoteAccessKey = "RemoteAccess";
inline constexpr const char* kDialUiValue = "DialUI";
inline constexpr std::uint32_t kHideModemIconBit = 4;

// Whether Windows starts the program: the entry equals its short path character for
// character (a missing entry reads as empty). Nothing when the key cannot be opened.
std::optional<bool> ReadStartupEntry(Registry& registry, const std::string& shortProgramPath);
// Writes the short path as the entry, or deletes the entry; nothing when the key cannot be
// opened.
void WriteStartupEntry(Registry& registry, bool on, const std::string& shortProgramPath);

// "DialUI" as a number: 0 when missing. A value of another type than the raw byte array, or
// longer than 4 bytes, is a RegistryError.
std::uint32_t DialUiNumber(const std::optional<RegistryValue>& value);
// The 4 bytes written back, with the hide bit set or cleared and every other bit kept.
RegistryValue DialUiWithHideBit(std::uint32_t number, bool hide);

// Whether the original modem icon is hidden; nothing when the key cannot be opened.
std::optional<bool> ReadModemIconHidden(Registry& registry);
// Sets or clears the bit in the value as it stands; nothing when the key cannot be opened.
void WriteModemIconHidden(Registry& registry, bool hide);

}  // namespace lw
