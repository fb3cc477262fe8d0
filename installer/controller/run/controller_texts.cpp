#include "installer/controller/run/controller_texts.h"

#include <cstdio>

#include "installer/languages/english.rci"
#include "installer/languages/resource_numbers.h"

namespace aw {

namespace {

struct NumberedText {
    std::uint32_t Number;
    const char* Text;
};

// The library's own English words stand in for it, so both read the same.
constexpr NumberedText kTexts[] = {
    {AW_TXT_SKIPPING, S_SKIPPING},
    {AW_TXT_PROGRESS_CAPTION, S_PROGRESS_CAPTION},
    {AW_TXT_ICON_WINDOW_TITLE, S_ICON_WINDOW_TITLE},
    {AW_TXT_BANNER_SECOND, S_BANNER_SECOND},
    {AW_TXT_BANNER_THIRD, S_BANNER_THIRD},
    {AW_TXT_EXPANDING, S_EXPANDING},
    {AW_TXT_COPYING, S_COPYING},
    {AW_TXT_FROM, S_FROM},
    {AW_TXT_TO, S_TO},
    {AW_TXT_BANNER_FIRST, S_BANNER_FIRST},
    {AW_TXT_COMPLETED, S_COMPLETED},
    {AW_TXT_RESTART_WINDOWS, S_RESTART_WINDOWS},
    {AW_TXT_RESTART_BUTTON, S_RESTART_BUTTON},
    {AW_TXT_STAY_BUTTON, S_STAY_BUTTON},
    {AW_TXT_RESTART_DOS, S_RESTART_DOS},
    {AW_TXT_COMPLETED_TITLE, S_COMPLETED_TITLE},
    {AW_TXT_QUESTION_FIRST, T_YES},
    {AW_TXT_QUESTION_SECOND, T_NO},
    {AW_TXT_QUESTION_THIRD, T_ABORT},
    {AW_TXT_QUESTION_TITLE, T_QUESTION},
    {AW_TXT_ABORT_QUERY, S_ABORT_QUERY},
    {AW_TXT_ABORT_QUERY_TITLE, S_ABORT_QUERY_TITLE},
    {AW_TXT_INSERT_DISK, S_INSERT_DISK},
    {AW_TXT_INSERT_DISK_TITLE, T_INSERT_DISK_CAPTION},
    {AW_TXT_ABORTING, S_ABORTING},
    {AW_TXT_ABORTING_TITLE, S_ABORTING_TITLE},
    {AW_TXT_NO_SPACE, S_NO_SPACE},
    {AW_TXT_NO_DIRECTORY, S_NO_DIRECTORY},
    {AW_TXT_IN_USE, S_IN_USE},
    {AW_TXT_IN_USE_CLOSE, S_IN_USE_CLOSE},
    {AW_TXT_IN_USE_AT_RESTART, S_IN_USE_AT_RESTART},
    {AW_TXT_IN_USE_SKIP, S_IN_USE_SKIP},
    {AW_TXT_COPY_FAILED, S_COPY_FAILED},
    {AW_TXT_UNINSTALL_SHORTCUT, S_UNINSTALL_SHORTCUT},
    {AW_TXT_BANNER_UNINSTALLER, S_BANNER_UNINSTALLER},
};

constexpr std::size_t kLongestMessage = 512;

}  // namespace

std::string EnglishText(std::uint32_t number) {
    for (const NumberedText& text : kTexts) {
        if (text.Number == number) {
            return text.Text;
        }
    }
    return {};
}

std::string FormatMessage(const char* format, std::va_list arguments) {
    char text[kLongestMessage + 1];
    const int length = std::vsnprintf(text, sizeof text, format, arguments);
    return length < 0 ? std::string(format) : std::string(text);
}

}  // namespace aw
