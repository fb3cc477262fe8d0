#include "installer/controller/run/language_choice.h"

#include <array>
#include <string_view>

#include "installer/controller/text_case.h"
#include "installer/script/model/error_report.h"

namespace aw {

namespace {

constexpr std::array<std::string_view, kLanguageCount> kCodes = {"dan", "deu", "eng", "enu", "esn",
                                                                 "fra", "ita", "nld", "nor", "sve",
                                                                 "jpn", "fin", "plk", "rus", "ptg"};

constexpr std::array<std::string_view, kLanguageCount> kNames = {
    "Danish",    "German",  "UK English", "US English", "Spanish", "French",  "Italian",   "Dutch",
    "Norwegian", "Swedish", "Japanese",   "Finish",     "Polish",  "Russian", "Portuguese"};

struct Alias {
    std::string_view Code;
    std::int32_t Index;
};

constexpr Alias kAliases[] = {
    {"ena", 2}, {"eni", 2}, {"enz", 2}, {"ens", 2}, {"enc", 3}, {"frb", 5}, {"frc", 5},  {"frl", 5},
    {"frs", 5}, {"dea", 1}, {"dec", 1}, {"del", 1}, {"des", 1}, {"its", 6}, {"non", 8},  {"nlb", 7},
    {"ess", 4}, {"esl", 4}, {"eso", 4}, {"esc", 4}, {"esd", 4}, {"esf", 4}, {"esg", 4},  {"esm", 4},
    {"esa", 4}, {"esz", 4}, {"esr", 4}, {"esp", 4}, {"esy", 4}, {"esv", 4}, {"ptb", 14},
};

bool ValidIndex(std::int32_t index, ErrorReport& report, int line) {
    if (index >= 0 && index < kLanguageCount) {
        return true;
    }
    report.CheckFailed("LANGSET", line);
    return false;
}

}  // namespace

std::string LanguageCode(std::int32_t index, ErrorReport& report) {
    if (!ValidIndex(index, report, __LINE__)) {
        return std::string(kCodes[kUsEnglish]);
    }
    return std::string(kCodes[index]);
}

std::string LanguageName(std::int32_t index, ErrorReport& report) {
    if (!ValidIndex(index, report, __LINE__)) {
        return std::string(kNames[kUsEnglish]);
    }
    return std::string(kNames[index]);
}

std::optional<std::int32_t> LanguageOfCode(const std::string& code) {
    for (std::int32_t index = 0; index < kLanguageCount; ++index) {
        if (EqualIgnoringCase(code, kCodes[index])) {
            return index;
        }
    }
    for (const Alias& alias : kAliases) {
        if (EqualIgnoringCase(code, alias.Code)) {
            return alias.Index;
        }
    }
    return std::nullopt;
}

std::int32_t ChooseLanguage(const std::string& windowsCode, const LanguageSet& offered) {
    const std::int32_t index = LanguageOfCode(windowsCode).value_or(kUsEnglish);
    const auto position = static_cast<std::size_t>(index);
    if (position < offered.Flags.size() && offered.Flags[position] != 0) {
        return index;
    }
    // A default outside the table would name no library at all.
    return offered.First >= 0 && offered.First < kLanguageCount ? offered.First : kUsEnglish;
}

}  // namespace aw
