#include "installer/oplog/uninstall/uninstall_paths.h"

#include <cstdio>

#include "installer/controller/install_paths.h"
#include "installer/controller/text_case.h"

namespace aw {

namespace {

constexpr const char* kLanguageCodes[] = {"dan", "deu", "eng", "enu", "esn", "fra", "ita", "nld",
                                          "nor", "sve", "jpn", "fin", "plk", "rus", "ptg"};
constexpr int kLanguageCount = static_cast<int>(std::size(kLanguageCodes));

}  // namespace

bool IsSecondStageDirectory(const std::string& ownDirectory) {
    return IsPathRoot(ownDirectory);
}

std::string ArchivedLogPath(const std::string& directory, int number) {
    char name[16];
    std::snprintf(name, sizeof name, "awlog3.%03d", number);
    return JoinPath(directory, name);
}

std::optional<int> NewestLogNumber(const std::string& directory,
                                   const std::function<bool(const std::string&)>& exists) {
    int number = 0;
    while (number <= kLastLogNumber && exists(ArchivedLogPath(directory, number))) {
        ++number;
    }
    if (number == 0) {
        return std::nullopt;
    }
    return number - 1;
}

std::string LanguageCode(int language) {
    return language >= 0 && language < kLanguageCount ? kLanguageCodes[language] : "enu";
}

std::vector<std::string> CompanionFiles(const std::string& logName, int language) {
    return {logName, "aw" + LanguageCode(language) + ".dll", kOptionalCompanion};
}

bool HasUnattendedSwitch(const std::string& commandLine) {
    std::size_t start = 0;
    while (start < commandLine.size()) {
        std::size_t end = commandLine.find(' ', start);
        if (end == std::string::npos) {
            end = commandLine.size();
        }
        if (EqualIgnoringCase(std::string_view(commandLine).substr(start, end - start), "/S")) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

std::string UninstallKeyPath(const std::string& productName) {
    std::string key = kUninstallKeyFormat;
    for (const char c : productName) {
        if (c != ' ') {
            key += c;
        }
    }
    return key;
}

}  // namespace aw
