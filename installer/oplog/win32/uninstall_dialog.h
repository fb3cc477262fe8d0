// The uninstaller's main dialog, from the language library's templates: simple (the product
// and a progress bar), detailed (every change with its state and its fields, each switchable
// between undone and kept before the pass) or selection (the changes chosen are undone).
#pragma once

#include <windows.h>

#include "installer/languages/win32/language_library.h"
#include "installer/oplog/uninstall/uninstall_system.h"
#include "installer/oplog/win32/win32_undo_user.h"

namespace aw {

// Results of the dialog box, never 0 or -1 (which the system gives on its own failures).
inline constexpr INT_PTR kDialogDone = 1;
inline constexpr INT_PTR kDialogCancelled = 2;
inline constexpr INT_PTR kDialogSwitch = 3;

class Win32UninstallView : public UninstallView {
  public:
    explicit Win32UninstallView(LibraryTexts& texts) : texts_(texts) {}
    bool LoadLanguage(const std::string& path) override;
    void FreeLanguage() override;
    DialogEnd RunDialog(std::int32_t style, UninstallController& controller) override;

  private:
    LibraryTexts& texts_;
    LanguageLibrary library_;
};

// The template of each style: simple, detailed, selection.
const char* UndoDialogTemplate(std::int32_t style);

}  // namespace aw
