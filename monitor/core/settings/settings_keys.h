// The keys of the port sections of "LINEWINK.INI", in the order they are read and written.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "monitor/core/settings/settings.h"

namespace lw {

inline constexpr char kMainSection[] = "LineWinker: Main";

// "LineWinker on COM" and the port number, e.g. "LineWinker on COM2".
std::string PortSectionName(std::int32_t port);

// Where a key's value lives in the record; the type says how it is spelled in the file.
using IntegerField = std::int32_t& (*)(MonitorSettings&);  // integers, flags, sounds
using ColourField = Colour& (*)(MonitorSettings&);
using RealField = double& (*)(MonitorSettings&);
using TextField = std::string& (*)(MonitorSettings&);
using StyleField = bool& (*)(MonitorSettings&);  // a font style, stored as a 0/1 flag
using SettingField = std::variant<IntegerField, ColourField, RealField, TextField, StyleField>;

struct SettingKey {
    std::string_view name;
    SettingField field;
};

std::span<const SettingKey> PortSettingKeys();

}  // namespace lw
