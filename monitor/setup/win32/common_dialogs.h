// The system's file-open, colour and font dialogs, and the message boxes of the settings
// dialog, all owned by the settings dialog's window once it exists.
#pragma once

#include <windows.h>

#include "monitor/core/boxes/win32/message_box.h"
#include "monitor/setup/setup_services.h"

namespace lw {

class Win32CommonDialogs : public CommonDialogs {
  public:
    void SetOwner(HWND owner) { owner_ = owner; }

    std::optional<std::string> OpenFile(const std::string& filter,
                                        const std::string& fileName) override;
    std::optional<Colour> ChooseColour(Colour colour) override;
    std::optional<FontSpec> PickFont(const FontSpec& font,
                                     const std::function<void(const FontSpec&)>& apply) override;

  private:
    HWND owner_ = nullptr;
    // The colour dialog's sixteen colours of the user's own, kept from one opening to the next.
    COLORREF customColours_[16] = {};
};

// Boxes above the settings dialog, so that it stays disabled while one is open.
class DialogMessageBoxes : public MessageBoxes {
  public:
    void SetOwner(HWND owner) { owner_ = owner; }
    MessageAnswer Show(const std::string& text, MessageIcon icon, MessageButtons buttons) override {
        return Win32MessageBoxes(owner_).Show(text, icon, buttons);
    }

  private:
    HWND owner_ = nullptr;
};

// A font as the font dialog holds it, and back; sizes are points at the screen's resolution.
LOGFONTA LogFontOf(const FontSpec& font);
FontSpec FontOf(const LOGFONTA& shape);

}  // namespace lw
