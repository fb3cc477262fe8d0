// The uninstaller's questions and messages: boxes and the language library's dialogs for a
// person, defaults and standard error for an unattended run.
#pragma once

#include <windows.h>

#include "installer/oplog/uninstall/undo_user.h"
#include "installer/script/model/error_report.h"

namespace aw {

// Texts from the language library that the view loaded (none loaded: the number reads as
// missing).
class LibraryTexts {
  public:
    HINSTANCE Library = nullptr;
    // The window the questions belong to.
    HWND Owner = nullptr;
};

class Win32UndoUser : public UndoUser {
  public:
    explicit Win32UndoUser(LibraryTexts& texts) : texts_(texts) {}
    std::string Text(std::uint32_t number) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    // The language library's question dialog with its buttons renamed, the first the default.
    bool AskTwoButtons(const std::string& text, const std::string& title, const std::string& first,
                       const std::string& second) override;
    QuitAnswer AskQuit() override;

  protected:
    LibraryTexts& texts_;
};

// Every question takes its default: Yes, and for the shared file the removal, since no other
// installation counts it any more.
class UnattendedUndoUser : public Win32UndoUser {
  public:
    using Win32UndoUser::Win32UndoUser;
    // Removing more than the installation made (the user's own files in its folder, say) needs
    // a person's yes; the question and its answer go to standard error.
    bool AskYesNo(const std::string& text, const std::string& title) override;
    bool AskTwoButtons(const std::string&, const std::string&, const std::string&,
                       const std::string&) override {
        return true;
    }
    QuitAnswer AskQuit() override { return QuitAnswer::BackOut; }
};

// Interactive: a plain message box without owner. Unattended: a line on standard error.
class Win32UninstallReport : public ErrorReport {
  public:
    explicit Win32UninstallReport(bool unattended) : unattended_(unattended) {}
    void ReportError(const std::string& message) override;
    void CheckFailed(const char* unit, int line) override;

  private:
    bool unattended_;
};

}  // namespace aw
