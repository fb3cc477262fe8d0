// The fifteen languages of the engine, their three-letter codes (which name the language
// libraries and help files), and the choice of the run's language from the user's Windows
// setting and the languages the script offers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "installer/script/model/install_script.h"

namespace aw {

class ErrorReport;

inline constexpr std::int32_t kLanguageCount = 15;
inline constexpr std::int32_t kUsEnglish = 3;

// "dan" .. "ptg"; an index outside 0..14 is a check failure and reads as "enu".
std::string LanguageCode(std::int32_t index, ErrorReport& report);
// "Danish" .. "Portuguese"; an index outside 0..14 is a check failure and reads as "US English".
std::string LanguageName(std::int32_t index, ErrorReport& report);

// The index of a Windows language code, the main codes first, then their regional variants;
// case does not matter. None for a code the engine does not know.
std::optional<std::int32_t> LanguageOfCode(const std::string& code);

// The run's language: the Windows code's (US English when unknown), or the script's default
// when the script does not offer that one. Only the flags the script actually holds count:
// an older script carries fewer of them than a current one.
std::int32_t ChooseLanguage(const std::string& windowsCode, const LanguageSet& offered);

}  // namespace aw
