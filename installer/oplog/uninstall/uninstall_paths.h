// Where the uninstaller finds its log and the files it carries between its two stages.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace aw {

inline constexpr int kLastLogNumber = 999;
inline constexpr int kLastLanguage = 14;
inline constexpr char kOptionalCompanion[] = "auuser.dll";
// The WIN.INI hand-over from the first stage to the second.
inline constexpr char kHandOverSection[] = "AWMAIN";
inline constexpr char kHandOverBackDirectory[] = "b";
inline constexpr char kUninstallKeyFormat[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// The second stage runs from the root of a drive ("C:") or of a share ("\\server\share").
bool IsSecondStageDirectory(const std::string& ownDirectory);

// "<directory>\awlog3.<number, three digits>".
std::string ArchivedLogPath(const std::string& directory, int number);

// The highest number of the unbroken run 000, 001, ... of logs that exist; none without 000.
std::optional<int> NewestLogNumber(const std::string& directory,
                                   const std::function<bool(const std::string&)>& exists);

// The language library's three-letter code for an index 0..14; "enu" for any other.
std::string LanguageCode(int language);

// The files that go to the drive root and back, by name: the log, the language library and
// the optional "auuser.dll" last.
std::vector<std::string> CompanionFiles(const std::string& logName, int language);

// "/S" among the blank-separated arguments, in either case: nobody watches the run.
bool HasUnattendedSwitch(const std::string& commandLine);

// The product's key under HKEY_LOCAL_MACHINE, named by the product without its blanks.
std::string UninstallKeyPath(const std::string& productName);

}  // namespace aw
