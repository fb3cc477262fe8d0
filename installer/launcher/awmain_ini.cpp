#include "installer/launcher/awmain_ini.h"

#include <charconv>

#include "installer/controller/ini/ini_document.h"

namespace aw {

std::string AwmainIniText(const AwmainIni& ini) {
    std::string text = "[x]\r\np=" + ini.StartPath + "\r\ncmdl=" + ini.ArgumentLine +
                       "\r\nsz=" + std::to_string(ini.SizeFigure) + "\r\n";
    if (ini.Unattended) {
        text += "u=1\r\n";
    }
    return text;
}

std::optional<int> ReadResult(std::string_view iniText) {
    const std::optional<std::string> value = IniDocument(iniText).Value("x", "r", 0);
    if (!value) {
        return std::nullopt;
    }
    int result = 0;
    const char* end = value->data() + value->size();
    const auto [rest, error] = std::from_chars(value->data(), end, result);
    if (error != std::errc() || rest != end) {
        return std::nullopt;
    }
    return result;
}

bool IsKnownResult(int result) {
    return result == 0 || result == 1 || result == 2 || result == 4 || result == 6;
}

bool NeedsRestart(int result) {
    return result == 2 || result == 4;
}

}  // namespace aw
