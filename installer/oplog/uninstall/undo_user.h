// What the uninstaller asks of the person at the machine, and the texts it shows. The dialogs
// answer interactively; an unattended run answers every question with its default.
#pragma once

#include <cstdint>
#include <string>

namespace aw {

// Numbers of the language library's texts that the uninstaller shows.
namespace undotext {
inline constexpr std::uint32_t kSharedFile = 4;
inline constexpr std::uint32_t kKeepButton = 0x44;
inline constexpr std::uint32_t kRemoveButton = 0x43;
inline constexpr std::uint32_t kQuestionTitle = 0x46;
inline constexpr std::uint32_t kDirectoryNotEmpty = 0x8F;
inline constexpr std::uint32_t kSectionNotEmpty = 0x91;
inline constexpr std::uint32_t kGroupNotEmpty = 0x93;
inline constexpr std::uint32_t kKeyHasSubkeys = 0x95;
inline constexpr std::uint32_t kStopped = 0x98;
inline constexpr std::uint32_t kCompleted = 0x99;
inline constexpr std::uint32_t kConfirm = 0x9A;
inline constexpr std::uint32_t kConfirmTitle = 0x9B;
inline constexpr std::uint32_t kStateFirst = 0x9C;
inline constexpr std::uint32_t kKindFirst = 0xE0;
}  // namespace undotext

enum class QuitAnswer { Finish, BackOut, Stay };

class UndoUser {
  public:
    virtual ~UndoUser() = default;
    // The language library's text of that number.
    virtual std::string Text(std::uint32_t number) = 0;
    // Yes and No with the question icon; true for Yes. Unattended: Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;
    // Two buttons in the given order with the question icon; true for the second. Unattended:
    // the second, the one the shared count stands for (see SharedFileQuestion).
    virtual bool AskTwoButtons(const std::string& text, const std::string& title,
                               const std::string& first, const std::string& second) = 0;
    // Leaving with changes not undone. Unattended never asks: nothing is left behind.
    virtual QuitAnswer AskQuit() = 0;
};

}  // namespace aw
